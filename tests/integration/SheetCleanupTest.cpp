#include "TestSupport.h"
#include "app/MyPropertySheet.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

const char* const kStaged[] = {"Kt718vn.alf", "_inst32i.ex_", "_setup.dll", "_setup.lib",
                               "data.z",      "Setup.exe",    "Setup.ins",  "setup.pkg"};

class SheetCleanup : public ::testing::Test {
protected:
    void SetUp() override { m_dir = MakeScratchDir("PatchWizard cleanup"); }
    void TearDown() override { RemoveTree(m_dir); }

    void Stage()
    {
        for (const char* name : kStaged)
            ASSERT_TRUE(WriteFile(m_dir + "\\" + name, name));
    }
    // A sheet that goes out of scope with the given temporary directory.
    static void DestroySheetWith(const std::string& tempDir)
    {
        std::unique_ptr<CMyPropertySheet> sheet(new CMyPropertySheet(NULL));
        sheet->m_strTempDir = tempDir.c_str();
    }

    std::string m_dir;
};

}  // namespace

TEST_F(SheetCleanup, HoldsTheSetupFileListInStagingOrder)
{
    CMyPropertySheet sheet(NULL);
    ASSERT_EQ(8, sheet.m_setupFiles.GetSize());
    for (int i = 0; i < 8; ++i)
        EXPECT_STREQ(kStaged[i], sheet.m_setupFiles[i]);
    EXPECT_EQ(VER_PLATFORM_WIN32_NT, sheet.m_osvi.dwPlatformId);  // Wine's default for this test program
    EXPECT_TRUE(sheet.m_strTempDir.IsEmpty());
    EXPECT_TRUE(sheet.m_strSetupDir.IsEmpty());
}

TEST_F(SheetCleanup, RemovesTheStagedFilesAndTheDirectory)
{
    Stage();
    ::SetFileAttributesA((m_dir + "\\Setup.exe").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    DestroySheetWith(m_dir);
    EXPECT_FALSE(DirExists(m_dir));  // this directory existed before the sheet: it goes all the same
}

TEST_F(SheetCleanup, KeepsTheDirectoryWithAnythingElseInIt)
{
    Stage();
    ASSERT_TRUE(WriteFile(m_dir + "\\notes.txt", "the user's own"));
    DestroySheetWith(m_dir);
    for (const char* name : kStaged)
        EXPECT_FALSE(FileExists(m_dir + "\\" + name)) << name;
    EXPECT_TRUE(FileExists(m_dir + "\\notes.txt"));
}

TEST_F(SheetCleanup, TouchesNothingWithoutATemporaryDirectory)
{
    // An empty directory string must not be read as the current directory.
    Stage();
    char previous[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, previous);
    ::SetCurrentDirectoryA(m_dir.c_str());
    DestroySheetWith("");
    ::SetCurrentDirectoryA(previous);
    for (const char* name : kStaged)
        EXPECT_TRUE(FileExists(m_dir + "\\" + name)) << name;
}

TEST_F(SheetCleanup, ForceDeleteFileDeletesWhateverTheAttributes)
{
    CMyPropertySheet sheet(NULL);
    std::string file = m_dir + "\\locked.sys";
    ASSERT_TRUE(WriteFile(file, "driver"));
    ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
    EXPECT_TRUE(sheet.ForceDeleteFile(file.c_str()));
    EXPECT_FALSE(FileExists(file));
    EXPECT_FALSE(sheet.ForceDeleteFile(file.c_str()));  // gone: 0, nothing done
    EXPECT_FALSE(sheet.ForceDeleteFile((m_dir + "\\missing\\x.sys").c_str()));
}

#include "FakeSystem.h"
#include "InProcessWizard.h"
#include "ProgressTexts.h"
#include "ProgressWatch.h"
#include "SetupCd.h"
#include "TestSupport.h"
#include "app/MyPropertySheet.h"
#include "res/resource.h"
#include <gtest/gtest.h>

// The paths page's Next on the setup road, run by the real sheet in this
// process, with the disk figures and the message boxes through the seam.

namespace {

const char kNotLocal[] = "Please choose a local drive to copy the setup files to.";
const char kNoSpace[] = "You do not have enough space on this drive.  Please choose another.";
const char kSameDir[] = "The temporary directory cannot be the setup directory.  Please choose another.";

std::string MissingFilesMessage(const std::string& setupDir)
{
    return "The wizard was unable to find all of the setup files in the directory " + setupDir +
           ".  Please verify the directory is correct.";
}

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    for (size_t at; (at = text.find(from)) != std::string::npos;)
        text.replace(at, from.size(), to);
    return text;
}

std::string Upper(std::string text)
{
    for (char& ch : text)
        ch = static_cast<char>(::toupper(static_cast<unsigned char>(ch)));
    return text;
}

struct Outcome {
    bool leftPage = false;
    bool wizardEnabled = false;
    int staged = -2;  // in the directory the case looks at, before the clean-up
    bool boardFileIntact = false;
    std::string storedTempDir;
};

// From the welcome page to the paths page, both directories typed, Next.
// The presses are sent, so each returns once its handler has run.
void PressNextWith(WizardDriver& driver, const std::string& setupDir, const std::string& tempDir, Outcome& outcome)
{
    HWND hPage = driver.CurrentPage();
    if (driver.Control(IDC_TEMP_PATH) == NULL) {
        ::SendMessageA(driver.Sheet(), PSM_PRESSBUTTON, PSBTN_NEXT, 0);
        ASSERT_TRUE(driver.WaitForPageChange(hPage));
        hPage = driver.CurrentPage();
    }
    ASSERT_TRUE(driver.TypeText(IDC_SETUP_PATH, setupDir));
    ASSERT_TRUE(driver.TypeText(IDC_TEMP_PATH, tempDir));
    ::SendMessageA(driver.Sheet(), PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    outcome.leftPage = driver.CurrentPage() != hPage;
    outcome.wizardEnabled = ::IsWindowEnabled(driver.Sheet()) != FALSE;
}

class Staging : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, "Software\\Dravik");
        ::GetCurrentDirectoryA(MAX_PATH, m_previousDir);
        m_cd = MakeSetupCd("PatchWizard staging CD");
        m_noData = MakeSetupCd("PatchWizard staging CD without data", "data.z");
        NewWorkDir();
    }
    void TearDown() override
    {
        ::SetCurrentDirectoryA(m_previousDir);
        RemoveTree(m_work);
        RemoveTree(m_cd);
        RemoveTree(m_noData);
    }

    // A fresh, current working directory for one case.
    void NewWorkDir()
    {
        ::SetCurrentDirectoryA(m_previousDir);
        m_work = MakeScratchDir("PatchWizard staging");
        ::SetCurrentDirectoryA(m_work.c_str());
    }

    std::string Expand(const std::string& text) const
    {
        std::string result = Replace(text, "{cd}", m_cd);
        result = Replace(result, "{CD}", Upper(m_cd));
        result = Replace(result, "{nodata}", m_noData);
        std::string workLower = m_work;
        workLower[0] = static_cast<char>(::tolower(static_cast<unsigned char>(workLower[0])));
        result = Replace(result, "{work-lower}", workLower);
        return Replace(result, "{work}", m_work);
    }

    char m_previousDir[MAX_PATH] = "";
    std::string m_cd, m_noData, m_work;
};

const std::vector<std::string> kAllStatuses = {
    "Copying Kt718vn.alf", "Copying _inst32i.ex_", "Copying _setup.dll", "Copying _setup.lib",
    "Copying data.z",      "Copying Setup.exe",    "Copying Setup.ins",  "Copying setup.pkg"};
// Position i before file i of eight: the bar never reaches its end.
const std::vector<std::string> kAllPercents = {"0%", "12%", "25%", "37%", "50%", "62%", "75%", "87%"};

}  // namespace

// What Next on the paths page does with each kind of input: the message
// (exact text, the program's caption), whether the wizard moves on, what is
// in the temporary directory, and which drive root the free space is asked for.
TEST_F(Staging, NextChecksTheSetupSetTheDriveAndTheSpaceBeforeStaging)
{
    enum Disk { Plenty, Figures, Fails };
    struct Case {
        const char* name;
        const char* setupDir;
        const char* tempDir;
        Disk disk;
        DWORD sectorsPerCluster, bytesPerSector, freeClusters;
        std::string message;  // "" for none
        bool leftPage;
        const char* lookAt;   // the directory whose staged files are counted
        int staged;           // -1: the directory does not exist
        const char* root;     // the root asked for its free space, "" for none
        bool stored;          // the sheet keeps the directories, so the clean-up aims there
    };
    const Case cases[] = {
        {"setup directory left empty", "", "{work}\\Patch.tmp", Plenty, 0, 0, 0, "", false, "{work}\\Patch.tmp", -1,
         "", false},
        {"setup set without data.z", "{nodata}", "{work}\\Patch.tmp", Plenty, 0, 0, 0,
         MissingFilesMessage("{nodata}"), false, "{work}\\Patch.tmp", -1, "", true},
        {"temporary directory starting with a digit", "{cd}", "1 Patch.tmp", Plenty, 0, 0, 0, kNotLocal, false,
         "{work}\\1 Patch.tmp", 0, "", true},
        {"network path", "{cd}", "\\\\pw-server\\share\\Patch.tmp", Plenty, 0, 0, 0, kNotLocal, false,
         "{work}\\Patch.tmp", -1, "", true},
        {"one KB below 20000 KB", "{cd}", "{work}\\Patch.tmp", Figures, 2, 512, 19999, kNoSpace, false,
         "{work}\\Patch.tmp", 0, "C:\\", true},
        {"exactly 20000 KB", "{cd}", "{work}\\Patch.tmp", Figures, 2, 512, 20000, "", true, "{work}\\Patch.tmp", 8,
         "C:\\", true},
        // 4 GB and 4000 KB: a 32-bit product would wrap to 4000 KB.
        {"more than 4 GB", "{cd}", "{work}\\Patch.tmp", Figures, 8, 512, 1049576, "", true, "{work}\\Patch.tmp", 8,
         "C:\\", true},
        {"free space unknown", "{cd}", "{work}\\Patch.tmp", Fails, 0, 0, 0, "", true, "{work}\\Patch.tmp", 8,
         "C:\\", true},
        {"lower-case drive letter", "{cd}", "{work-lower}\\Patch.tmp", Figures, 2, 512, 20000, "", true,
         "{work}\\Patch.tmp", 8, "c:\\", true},
        {"temporary directory is the setup directory", "{cd}", "{CD}\\", Plenty, 0, 0, 0, kSameDir, false, "{cd}",
         7, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        NewWorkDir();
        std::string setupDir = Expand(c.setupDir);
        std::string tempDir = Expand(c.tempDir);
        std::string lookAt = Expand(c.lookAt);

        FakeSystem fake;
        if (c.disk == Figures)
            fake.SetFreeSpace(c.sectorsPerCluster, c.bytesPerSector, c.freeClusters, c.freeClusters);
        else if (c.disk == Fails)
            fake.FailFreeSpace();
        else
            fake.SetFreeSpace(64, 512, 1000000, 1000000);
        ProgressTexts texts;
        Outcome outcome;
        ASSERT_TRUE(RunWizardInProcess([&](WizardDriver& driver) { PressNextWith(driver, setupDir, tempDir, outcome); },
                                       [&](CMyPropertySheet& sheet) {
                                           outcome.staged = StagedCount(lookAt);
                                           outcome.boardFileIntact =
                                               ReadFile(lookAt + "\\Kt718vn.alf") == BoardFileBytes();
                                           outcome.storedTempDir = sheet.m_strTempDir;
                                       }));

        std::vector<FakeSystem::Message> messages = fake.Messages();
        if (c.message.empty()) {
            EXPECT_TRUE(messages.empty()) << messages[0].text;
        } else {
            ASSERT_EQ(1u, messages.size());
            EXPECT_EQ(Expand(c.message), messages[0].text);
            EXPECT_EQ("PatchWizard", messages[0].caption);
            EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), messages[0].type);
        }
        EXPECT_EQ(c.leftPage, outcome.leftPage);
        EXPECT_TRUE(outcome.wizardEnabled) << "the wizard was left disabled";
        EXPECT_EQ(c.staged, outcome.staged) << lookAt;
        std::vector<std::string> roots = fake.FreeSpaceRoots();
        EXPECT_EQ(c.root, roots.empty() ? std::string() : roots[0]);
        EXPECT_LE(roots.size(), 1u);
        if (c.leftPage) {
            EXPECT_EQ(kAllStatuses, texts.statuses);
            EXPECT_EQ(kAllPercents, texts.percents);
            EXPECT_FALSE(texts.wizardEnabledDuringCopy);
            EXPECT_TRUE(outcome.boardFileIntact);
        } else {
            EXPECT_TRUE(texts.statuses.empty()) << texts.statuses[0];
        }
        EXPECT_EQ(7, StagedCount(m_cd)) << "the CD's files were touched";
        EXPECT_EQ(c.stored ? tempDir : std::string(), outcome.storedTempDir);
    }
}

// Cancel pressed while the third file is copied: that copy completes, the
// fourth is never started, and the wizard stays without a word. Next again
// runs everything again and stages the whole set.
TEST_F(Staging, CancelDuringTheThirdCopyStopsBeforeTheFourth)
{
    const std::string tempDir = m_work + "\\Patch.tmp";
    FakeSystem fake;
    fake.SetFreeSpace(64, 512, 1000000, 1000000);
    ProgressTexts texts;
    bool cancelled = false;
    texts.onStatus = [&](const std::string& status) {
        if (status == "Copying _setup.dll" && !cancelled)
            cancelled = ClickProgressCancel();
    };
    Outcome first, second;
    std::string presentAfterCancel;  // one mark per listed name: + staged, - not
    bool thirdComplete = false;
    ASSERT_TRUE(RunWizardInProcess(
        [&](WizardDriver& driver) {
            PressNextWith(driver, m_cd, tempDir, first);
            for (const char* name : kStagedNames)
                presentAfterCancel += FileExists(tempDir + "\\" + name) ? '+' : '-';
            thirdComplete = ReadFile(tempDir + "\\_setup.dll") == ReadFile(m_cd + "\\_setup.dll");
            PressNextWith(driver, m_cd, tempDir, second);
        },
        [&](CMyPropertySheet&) { second.staged = StagedCount(tempDir); }));

    EXPECT_FALSE(first.leftPage);
    EXPECT_TRUE(first.wizardEnabled);
    EXPECT_EQ("+++-----", presentAfterCancel);
    EXPECT_TRUE(thirdComplete);
    EXPECT_TRUE(fake.Messages().empty()) << fake.Messages()[0].text;

    EXPECT_TRUE(second.leftPage);
    EXPECT_EQ(8, second.staged);
    std::vector<std::string> expected(kAllStatuses.begin(), kAllStatuses.begin() + 3);
    expected.insert(expected.end(), kAllStatuses.begin(), kAllStatuses.end());
    EXPECT_EQ(expected, texts.statuses);
    EXPECT_EQ(-1, StagedCount(tempDir)) << "the clean-up left files behind";
}

// A setup file that goes between the presence check and its copy (the CD
// taken out, say): message 110 names it and its source path, and the staging
// goes on with the next file and on to the launch page.
TEST_F(Staging, ReportsASetupFileThatVanishedBeforeItsCopyAndGoesOn)
{
    const std::string tempDir = m_work + "\\Patch.tmp";
    const std::string source = m_cd + "\\data.z";
    FakeSystem fake;
    fake.SetFreeSpace(64, 512, 1000000, 1000000);
    ProgressTexts texts;
    texts.onStatus = [&](const std::string& status) {
        if (status == "Copying data.z")
            ::DeleteFileA(source.c_str());
    };
    Outcome outcome;
    ASSERT_TRUE(RunWizardInProcess([&](WizardDriver& driver) { PressNextWith(driver, m_cd, tempDir, outcome); },
                                   [&](CMyPropertySheet&) { outcome.staged = StagedCount(tempDir); }));

    std::vector<FakeSystem::Message> messages = fake.Messages();
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ("The wizard was unable to find file data.z. \r\nPlease verify that this setup file exists in " + source +
                  " and the kt718vn.alf is in the same directory as the wizard executable.",
              messages[0].text);
    EXPECT_EQ("PatchWizard", messages[0].caption);
    EXPECT_TRUE(outcome.leftPage);
    EXPECT_EQ(7, outcome.staged);
    EXPECT_EQ(kAllStatuses, texts.statuses);
}

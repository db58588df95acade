#include "SetupCd.h"
#include "TestSupport.h"
#include "WizardRun.h"
#include "res/resource.h"
#include <gtest/gtest.h>

// The setup road of the real program: a stand-in CD, the staging, the start
// of the staged setup program and the clean-up when the wizard closes.

namespace {

class SetupRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, "Software\\Dravik");
        WizardRun::ReportVersion("");
        m_cd = MakeSetupCd("PatchWizard CD");
    }
    void TearDown() override
    {
        RemoveTree(m_cd);
        for (const std::string& dir : m_scratch)
            RemoveTree(dir);
    }

    // A folder that goes at the end of the test.
    std::string Scratch(const std::string& path)
    {
        RemoveTree(path);
        m_scratch.push_back(path);
        return path;
    }

    // From the welcome page to the paths page, with both directories typed.
    static void FillPathsPage(WizardRun& run, const std::string& setupDir, const std::string& tempDir)
    {
        ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Next));
        ASSERT_TRUE(run.Driver().TypeText(IDC_SETUP_PATH, setupDir));
        ASSERT_TRUE(run.Driver().TypeText(IDC_TEMP_PATH, tempDir));
        run.Shot("paths");
    }

    // The temporary directory holds the board file from the program and the
    // CD's seven files, each byte for byte.
    void ExpectStaged(const std::string& tempDir)
    {
        EXPECT_EQ(8, StagedCount(tempDir)) << tempDir;
        std::string board = ReadFile(tempDir + "\\Kt718vn.alf");
        EXPECT_EQ(1226u, board.size());
        EXPECT_TRUE(board == BoardFileBytes()) << "the staged board file differs from the program's resource";
        for (int i = 1; i < 8; ++i)
            EXPECT_TRUE(ReadFile(tempDir + "\\" + kStagedNames[i]) == ReadFile(m_cd + "\\" + kStagedNames[i]))
                << kStagedNames[i];
    }

    std::string m_cd;
    std::vector<std::string> m_scratch;
};

}  // namespace

// The whole road, with a blank in the temporary directory's path: a start
// of the unquoted command line would run the decoy C:\pw.exe instead.
TEST_F(SetupRoad, StagesStartsTheStagedSetupProgramAndCleansUp)
{
    const std::string parent = Scratch("C:\\pw staging");
    const std::string temp = parent + "\\Patch.tmp";
    const std::string decoy = "C:\\pw.exe";
    ASSERT_TRUE(::CreateDirectoryA(parent.c_str(), NULL));
    ASSERT_TRUE(::CopyFileA(ToolPath("fakesetup.exe").c_str(), decoy.c_str(), FALSE));
    FakeSetupLog log;

    WizardRun run("setup-road");
    ASSERT_TRUE(run.Start());
    WizardDriver& driver = run.Driver();
    FillPathsPage(run, m_cd, temp);
    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Next)) << "the wizard stayed on the paths page";
    run.Shot("launch");
    ExpectStaged(temp);
    EXPECT_TRUE(log.Runs().empty());

    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Next));
    run.Shot("cleanup");
    ASSERT_TRUE(log.WaitForRuns(1));
    std::vector<FakeSetupLog::Run> runs = log.Runs();
    ASSERT_EQ(1u, runs.size());
    EXPECT_TRUE(SamePath(temp + "\\setup.exe", runs[0].module)) << runs[0].module;
    EXPECT_EQ("\"" + temp + "\\setup.exe\"", runs[0].commandLine);
    EXPECT_EQ(temp, driver.ControlText(IDC_TEMP_DIR));
    WizardDriver::Buttons buttons = driver.WizardButtons();
    EXPECT_TRUE(buttons.back && buttons.finish && !buttons.next) << ButtonsText(buttons);

    driver.Press(WizardDriver::Finish);
    ASSERT_TRUE(run.WaitForExit());
    EXPECT_EQ(-1, StagedCount(temp)) << "staged files or the directory were left";
    EXPECT_TRUE(DirExists(parent));
    EXPECT_EQ(7, StagedCount(m_cd)) << "the CD's files were touched";
    ::DeleteFileA(decoy.c_str());
}

// The parent of the temporary directory is missing: nothing can be staged,
// yet no message is shown and the wizard goes on; the launch page's Next then
// starts nothing and reports nothing.
TEST_F(SetupRoad, GoesOnSilentlyWhenTheTemporaryDirectoryCannotBeCreated)
{
    const std::string parent = Scratch("C:\\pw-no-parent");
    const std::string temp = parent + "\\missing\\Patch.tmp";
    FakeSetupLog log;

    WizardRun run("no-parent");
    ASSERT_TRUE(run.Start());
    WizardDriver& driver = run.Driver();
    FillPathsPage(run, m_cd, temp);
    // A message box would hold the wizard on its page.
    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Next)) << "the wizard stayed on the paths page";
    WizardDriver::MessageBoxInfo box;
    EXPECT_FALSE(driver.WaitForMessageBox(box, 500)) << box.text;
    EXPECT_FALSE(DirExists(parent));

    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Next));
    run.Shot("cleanup");
    EXPECT_FALSE(driver.WaitForMessageBox(box, 2000)) << box.text;
    EXPECT_TRUE(log.Runs().empty());
    EXPECT_EQ(temp, driver.ControlText(IDC_TEMP_DIR));

    driver.Press(WizardDriver::Finish);
    ASSERT_TRUE(run.WaitForExit());
    EXPECT_FALSE(DirExists(parent));
}

// Back from the last page and Next again starts the setup program once more.
// A temporary directory changed on the way is where the second staging goes,
// where setup starts from and what the clean-up empties; the last page,
// filled when first shown, still names the first one.
TEST_F(SetupRoad, StartsSetupAgainAndCleansUpTheLatestTemporaryDirectory)
{
    const std::string first = Scratch(TempFolder() + "\\pw-first.tmp");
    const std::string second = Scratch(TempFolder() + "\\pw-second.tmp");
    FakeSetupLog log;

    WizardRun run("setup-twice");
    ASSERT_TRUE(run.Start());
    WizardDriver& driver = run.Driver();
    FillPathsPage(run, m_cd, first);
    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Next));
    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Next));
    ASSERT_TRUE(log.WaitForRuns(1));

    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Back));
    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Next));
    ASSERT_TRUE(log.WaitForRuns(2));
    EXPECT_EQ(8, StagedCount(first));

    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Back));
    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Back));
    ASSERT_TRUE(driver.TypeText(IDC_TEMP_PATH, second));
    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Next));
    ExpectStaged(second);
    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Next));
    run.Shot("cleanup-after-change");
    ASSERT_TRUE(log.WaitForRuns(3));
    EXPECT_EQ(first, driver.ControlText(IDC_TEMP_DIR));

    std::vector<FakeSetupLog::Run> runs = log.Runs();
    ASSERT_EQ(3u, runs.size());
    EXPECT_TRUE(SamePath(first + "\\setup.exe", runs[0].module)) << runs[0].module;
    EXPECT_TRUE(SamePath(first + "\\setup.exe", runs[1].module)) << runs[1].module;
    EXPECT_TRUE(SamePath(second + "\\setup.exe", runs[2].module)) << runs[2].module;

    driver.Press(WizardDriver::Finish);
    ASSERT_TRUE(run.WaitForExit());
    EXPECT_EQ(-1, StagedCount(second));
    EXPECT_EQ(8, StagedCount(first)) << "the clean-up acts on the latest temporary directory only";
}

#include "TestSupport.h"
#include "WizardRun.h"
#include "res/resource.h"
#include <gtest/gtest.h>

namespace {

const char kVersionKey[] = "Software\\Dravik\\Orrin Client Manager\\3.0";

const int kAllControls[] = {IDC_SETUP_PATH, IDC_BROWSE_SETUP, IDC_SETUP_HELP, IDC_SETUP_LABEL, IDC_REMOVE_TEXT,
                            IDC_TEMP_LABEL, IDC_TEMP_PATH,    IDC_BROWSE_TEMP, IDC_TEMP_HELP};

class PathsPage : public ::testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override { DeleteKeyTree(HKEY_LOCAL_MACHINE, "Software\\Dravik"); }

    static std::string VisibleControls(WizardDriver& driver)
    {
        std::string visible;
        for (int id : kAllControls)
            if (driver.ControlVisible(id))
                visible += std::to_string(id) + " ";
        return visible;
    }
};

}  // namespace

TEST_F(PathsPage, InstalledProductGetsTheRemovalSentenceAndFinish)
{
    ASSERT_TRUE(SetStringValue(HKEY_LOCAL_MACHINE, kVersionKey, "OrrinPath", "C:\\Orrin"));
    WizardRun run("paths-installed");
    ASSERT_TRUE(run.Start());
    WizardDriver& driver = run.Driver();
    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Next));
    run.Shot("paths");

    EXPECT_EQ("1005 ", VisibleControls(driver));
    EXPECT_EQ("This wizard will now remove the temperature sensor support from your system.",
              driver.ControlText(IDC_REMOVE_TEXT));
    WizardDriver::Buttons buttons = driver.WizardButtons();
    EXPECT_TRUE(buttons.back && buttons.finish && !buttons.next) << ButtonsText(buttons);

    driver.Press(WizardDriver::Cancel);
    EXPECT_TRUE(run.WaitForExit());
}

TEST_F(PathsPage, SetupRoadAsksForBothDirectoriesAndKeepsWhatWasTyped)
{
    WizardRun run("paths-setup");
    ASSERT_TRUE(run.Start());
    WizardDriver& driver = run.Driver();
    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Next));
    run.Shot("paths");

    EXPECT_EQ("1001 1002 1003 1004 1006 1007 1009 ", VisibleControls(driver));
    EXPECT_EQ(TempFolder() + "\\Patch.tmp", driver.ControlText(IDC_TEMP_PATH));
    EXPECT_EQ("", driver.ControlText(IDC_SETUP_PATH));
    EXPECT_EQ("Remove temperature sensor support", WizardDriver::WindowText(driver.CurrentPage()));
    WizardDriver::Buttons buttons = driver.WizardButtons();
    EXPECT_TRUE(buttons.back && buttons.next && !buttons.finish) << ButtonsText(buttons);

    ASSERT_TRUE(driver.TypeText(IDC_SETUP_PATH, "D:\\WIN95"));
    ASSERT_TRUE(driver.TypeText(IDC_TEMP_PATH, "C:\\Staging here"));
    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Back));
    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Next));
    EXPECT_EQ("D:\\WIN95", driver.ControlText(IDC_SETUP_PATH));
    EXPECT_EQ("C:\\Staging here", driver.ControlText(IDC_TEMP_PATH));
    EXPECT_EQ("1001 1002 1003 1004 1006 1007 1009 ", VisibleControls(driver));
    buttons = driver.WizardButtons();
    EXPECT_TRUE(buttons.back && buttons.next && !buttons.finish) << ButtonsText(buttons);

    driver.Press(WizardDriver::Cancel);
    EXPECT_TRUE(run.WaitForExit());
}

#include "FakeSystem.h"
#include "InProcessWizard.h"
#include "TestSupport.h"
#include "app/MyPropertySheet.h"
#include "pages/SetupDirRule.h"
#include "res/resource.h"
#include <gtest/gtest.h>

namespace {

class PathsPage : public ::testing::Test {
protected:
    void SetUp() override { DeleteKeyTree(HKEY_LOCAL_MACHINE, "Software\\Dravik"); }
    void TearDown() override { DeleteKeyTree(HKEY_LOCAL_MACHINE, "Software\\Dravik"); }
};

}  // namespace

// Browse opens the Open dialog on the typed directory and turns the chosen
// setup program into its directory; Cancel empties the edit.
TEST_F(PathsPage, BrowseFillsTheSetupDirectoryFromTheChosenProgram)
{
    struct Case {
        const char* typed;
        BOOL chosen;
        const char* choice;
        const char* initialName;
        const char* result;
    };
    const Case cases[] = {
        {"", TRUE, "D:\\WIN95\\Setup.exe", "\\*.*", "D:\\WIN95"},
        {"D:\\WIN95", TRUE, "D:\\WINNT\\setup.exe", "D:\\WIN95\\*.*", "D:\\WINNT"},
        {"", TRUE, "D:\\Setup.exe", "\\*.*", "D:"},
        {"", TRUE, "D:\\WINNT\\SETUP.EXE", "\\*.*", "D:\\WINNT\\SETUP.EXE"},
        {"D:\\WINNT", FALSE, "", "D:\\WINNT\\*.*", ""},
    };
    for (const Case& c : cases) {
        FakeSystem fake;
        fake.fileDialogResult = c.chosen;
        fake.fileDialogChoice = c.choice;
        std::string edit;
        ASSERT_TRUE(RunWizardInProcess([&](WizardDriver& driver) {
            HWND hWelcome = driver.CurrentPage();
            driver.Press(WizardDriver::Next);
            ASSERT_TRUE(driver.WaitForPageChange(hWelcome));
            driver.TypeText(IDC_SETUP_PATH, c.typed);
            // Sent, not posted: the click returns once the handler has run.
            SendMessageA(driver.Control(IDC_BROWSE_SETUP), BM_CLICK, 0, 0);
            edit = driver.ControlText(IDC_SETUP_PATH);
        }));
        EXPECT_EQ(c.initialName, fake.fileDialogInitialName) << c.choice;
        EXPECT_EQ(c.result, edit) << c.choice;
        EXPECT_EQ(static_cast<DWORD>(OFN_HIDEREADONLY | OFN_NOCHANGEDIR),
                  fake.fileDialogFlags & (OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_ALLOWMULTISELECT));
        EXPECT_TRUE(fake.fileDialogFlags & OFN_EXPLORER);
        EXPECT_EQ("*.*|*.*|", fake.fileDialogFilter);
    }
}

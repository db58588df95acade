#include "TestSupport.h"
#include "WizardRun.h"
#include "res/resource.h"
#include <gtest/gtest.h>

namespace {

const char kProductKey[] = "Software\\Dravik\\Orrin Client Manager";
const char kVersionKey[] = "Software\\Dravik\\Orrin Client Manager\\3.0";

std::string LoadText(UINT id)
{
    char buffer[1024] = "";
    LoadStringA(GetModuleHandleA(NULL), id, buffer, sizeof buffer);
    return buffer;
}

// How the install-path value is stored before the wizard starts.
struct Footprint {
    const char* name;
    void (*arrange)();
    UINT expectedText;
};

void StringValue() { SetStringValue(HKEY_LOCAL_MACHINE, kVersionKey, "OrrinPath", "C:\\Orrin"); }
void ExpandValue() { SetStringValue(HKEY_LOCAL_MACHINE, kVersionKey, "OrrinPath", "%ProgramFiles%\\Orrin", REG_EXPAND_SZ); }
void EmptyValue() { SetStringValue(HKEY_LOCAL_MACHINE, kVersionKey, "OrrinPath", ""); }
void DWordValue() { SetDWordValue(HKEY_LOCAL_MACHINE, kVersionKey, "OrrinPath", 1); }
void OtherVersion()
{
    SetStringValue(HKEY_LOCAL_MACHINE, std::string(kProductKey) + "\\2.0", "OrrinPath", "C:\\Orrin");
}
void CurrentUserOnly() { SetStringValue(HKEY_CURRENT_USER, kVersionKey, "OrrinPath", "C:\\Orrin"); }
void Nothing() {}

class WelcomePage : public ::testing::TestWithParam<Footprint> {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override
    {
        DeleteKeyTree(HKEY_LOCAL_MACHINE, "Software\\Dravik");
        DeleteKeyTree(HKEY_CURRENT_USER, "Software\\Dravik");
    }
};

}  // namespace

// The welcome page decides the road from the install-path value and shows
// the matching explanation; Next and Back bring it back unchanged.
TEST_P(WelcomePage, ShowsTheExplanationForTheInstallPathValue)
{
    const Footprint& footprint = GetParam();
    footprint.arrange();
    WizardRun run(std::string("welcome-") + footprint.name);
    ASSERT_TRUE(run.Start());
    WizardDriver& driver = run.Driver();
    run.Shot("welcome");

    const std::string expected = LoadText(footprint.expectedText);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(expected, driver.ControlText(IDC_WELCOME_TEXT));
    WizardDriver::Buttons buttons = driver.WizardButtons();
    EXPECT_TRUE(buttons.next && !buttons.back && !buttons.finish) << ButtonsText(buttons);

    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Next));
    run.Shot("paths");
    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Back));
    EXPECT_EQ(expected, driver.ControlText(IDC_WELCOME_TEXT));
    buttons = driver.WizardButtons();
    EXPECT_TRUE(buttons.next && !buttons.back && !buttons.finish) << ButtonsText(buttons);

    driver.Press(WizardDriver::Cancel);
    EXPECT_TRUE(run.WaitForExit());
}

INSTANTIATE_TEST_SUITE_P(
    InstallPath, WelcomePage,
    ::testing::Values(Footprint{"string", StringValue, IDS_INSTALLED},
                      Footprint{"expand-string", ExpandValue, IDS_INSTALLED},
                      Footprint{"empty", EmptyValue, IDS_NOT_INSTALLED},
                      Footprint{"dword", DWordValue, IDS_NOT_INSTALLED},
                      Footprint{"other-version", OtherVersion, IDS_NOT_INSTALLED},
                      Footprint{"current-user-only", CurrentUserOnly, IDS_NOT_INSTALLED},
                      Footprint{"absent", Nothing, IDS_NOT_INSTALLED}),
    [](const ::testing::TestParamInfo<Footprint>& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (ch == '-')
                ch = '_';
        return name;
    });

#include "RemovalFootprint.h"
#include "ServiceFixtures.h"
#include "TestSupport.h"
#include "ToolProcess.h"
#include "WizardRun.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <memory>

// The removal road of the real program, from the welcome page to the
// closing of the wizard, on a prefix holding the installed product.

namespace {

const char kSuccess[] =
    "PatchWizard: The support for I2C was successfully removed.  Do you want to reboot now to finish the patch?";
const char kFailure[] =
    "PatchWizard: Patch Wizard was unable to complete the patch. \r\n"
    "Please uninstall Orrin Client Manager and rerun this utility.";
const char kStopProbesvc[] = "Shut down Services: Attempting to shut down probesvc";
const char kStopTavrind[] = "Shut down Services: Attempting to shut down TAVRIND";
const char kCloseHost[] = "File Copy: Attempting to shut down service.";

struct Service {
    bool present;
    testsvc::Behaviour behaviour;
    DWORD delayMs;
};
const Service kNone = {false, testsvc::StopAtOnce, 0};
// Slow enough for its progress dialog to be seen.
const Service kStops = {true, testsvc::StopLate, 1500};
const Service kRefuses = {true, testsvc::RefuseStop, 0};

struct Case {
    const char* name;
    const char* version;  // what Wine reports to the program: "" (Windows NT) or "win95"
    footprint::Marker marker;
    bool driverFile;
    Service probesvc, tavrind;
    const char* host;  // the stand-in host's arguments, "" for none
    // What the user sees after Finish, in order.
    std::vector<std::string> progress;  // "title: status"
    bool progressMayFlash;              // a dialog shown for a moment only may be missed
    std::vector<std::string> boxes;     // "caption: text"
    // What is left afterwards.
    bool driverKeysLeft;
    bool productKeyLeft;
    bool driverFileLeft;
    const char* probesvcAfter;  // as sc.exe names the state
    const char* tavrindAfter;
    DWORD hostExit;  // event: 0 when set; window: the close requests it got
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class RemovalRoad : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override
    {
        testsvc::Remove("probesvc");
        testsvc::Remove("TAVRIND");
        footprint::Clear();
        WizardRun::ReportVersion("");
    }
};

std::unique_ptr<ScopedTestService> Arrange(const char* name, const Service& service)
{
    if (!service.present)
        return nullptr;
    return std::unique_ptr<ScopedTestService>(new ScopedTestService(name, service.behaviour, service.delayMs));
}

std::string LoadText(UINT id)
{
    char buffer[1024] = "";
    LoadStringA(GetModuleHandleA(NULL), id, buffer, sizeof buffer);
    return buffer;
}

// Watches the wizard after Finish until it closes: notes each progress
// dialog's title and status, and answers every message box, No to the
// restart question and OK to the others.
void WatchTheRemoval(WizardRun& run, std::vector<std::string>& progress, std::vector<std::string>& boxes)
{
    WizardDriver& driver = run.Driver();
    for (int i = 0; i < 2400 && driver.Running(); ++i) {
        for (const char* title : {"Shut down Services", "File Copy"}) {
            HWND hDialog = driver.FindProcessWindow(title);
            if (hDialog == NULL)
                continue;
            // A dialog caught while it is being destroyed has no status line left.
            std::string status = WizardDriver::WindowText(GetDlgItem(hDialog, IDC_PROGRESS_STATUS));
            std::string seen = std::string(title) + ": " + status;
            if (!status.empty() && (progress.empty() || progress.back() != seen)) {
                progress.push_back(seen);
                run.Shot("progress", hDialog);
            }
        }
        WizardDriver::MessageBoxInfo box;
        if (driver.WaitForMessageBox(box, 0)) {
            boxes.push_back(box.caption + ": " + box.text);
            run.Shot("message", box.hWnd);
            bool yesNo = box.buttons == std::vector<int>{IDYES, IDNO};
            EXPECT_TRUE(yesNo || box.buttons == std::vector<int>{IDOK}) << box.text;
            driver.AnswerMessageBox(box, yesNo ? IDNO : IDOK);
        }
        WizardDriver::Pause(50);
    }
}

}  // namespace

TEST_P(RemovalRoad, FinishTakesTheSensorSupportOut)
{
    const Case& c = GetParam();
    const bool nt = std::string(c.version).empty();
    auto probesvc = Arrange("probesvc", c.probesvc);
    auto tavrind = Arrange("TAVRIND", c.tavrind);
    for (auto* service : {probesvc.get(), tavrind.get()}) {
        if (service != nullptr) {
            ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), service->SetupError());
        }
    }
    // Both driver files exist, so that the one of the other platform is seen to stay.
    footprint::Arrange(c.marker, c.driverFile, c.driverFile);
    WizardRun::ReportVersion(c.version);
    ToolProcess host;
    if (*c.host != '\0') {
        ASSERT_TRUE(host.Start("hostwin.exe", c.host));
        ASSERT_TRUE(std::string(c.host).find("event") == 0 ? WaitForNamedEvent("WIN95_CSERVICE_SHUTDOWN")
                                                          : WaitForTopLevelWindow("Enabling Instrumentation...") != NULL);
    }

    WizardRun run(std::string("removal-") + c.name);
    ASSERT_TRUE(run.Start());
    WizardDriver& driver = run.Driver();
    run.Shot("welcome");
    EXPECT_EQ(LoadText(IDS_INSTALLED), driver.ControlText(IDC_WELCOME_TEXT));
    ASSERT_TRUE(run.PressAndWaitForPage(WizardDriver::Next));
    run.Shot("paths");
    EXPECT_TRUE(driver.ControlVisible(IDC_REMOVE_TEXT));
    EXPECT_FALSE(driver.ControlVisible(IDC_SETUP_PATH) || driver.ControlVisible(IDC_TEMP_PATH));
    WizardDriver::Buttons buttons = driver.WizardButtons();
    EXPECT_TRUE(buttons.back && buttons.finish && !buttons.next) << ButtonsText(buttons);

    driver.Press(WizardDriver::Finish);
    std::vector<std::string> progress, boxes;
    WatchTheRemoval(run, progress, boxes);
    EXPECT_TRUE(run.WaitForExit());
    if (!(c.progressMayFlash && progress.empty())) {
        EXPECT_EQ(c.progress, progress);
    }
    EXPECT_EQ(c.boxes, boxes);

    EXPECT_EQ(c.driverKeysLeft, footprint::RegHasKey(footprint::kParametersKey));
    EXPECT_EQ(c.driverKeysLeft, footprint::RegHasKey(footprint::kDriverKey));
    EXPECT_EQ(c.productKeyLeft, footprint::RegHasKey(footprint::kProductDriverKey));
    EXPECT_TRUE(footprint::RegHasValue(footprint::kVersionKey, "OrrinPath"));
    EXPECT_EQ(c.driverFileLeft, FileExists(footprint::DriverFile(nt)));
    if (c.driverFile) {
        EXPECT_TRUE(FileExists(footprint::DriverFile(!nt))) << "the other platform's driver file";
    }
    EXPECT_EQ(c.probesvcAfter, ScQueryState("probesvc"));
    EXPECT_EQ(c.tavrindAfter, ScQueryState("TAVRIND"));
    if (*c.host != '\0') {
        DWORD exitCode = 0xFFFF;
        if (HWND hWnd = FindWindowA(NULL, "Enabling Instrumentation..."))
            PostMessageA(hWnd, WM_APP, 0, 0);
        EXPECT_TRUE(host.WaitForExit(10000, &exitCode));
        EXPECT_EQ(c.hostExit, exitCode);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Footprints, RemovalRoad,
    ::testing::Values(
        Case{"nt", "", footprint::MarkerDWord, true, kStops, kStops, "",
             {kStopProbesvc, kStopTavrind}, false, {kSuccess}, false, false, false, "STOPPED", "missing", 0},
        Case{"win95_event", "win95", footprint::MarkerDWord, true, kNone, kNone, "event 60000",
             {}, false, {kSuccess}, false, false, false, "missing", "missing", 0},
        Case{"win95_window", "win95", footprint::MarkerDWord, true, kNone, kNone, "window 3",
             {kCloseHost}, false, {kSuccess}, false, false, false, "missing", "missing", 3},
        // Without a REG_DWORD marker no key goes; Windows 95 shows it alone, as
        // on Windows NT the service manager takes the driver service's key away
        // together with the service.
        Case{"no_marker", "win95", footprint::NoMarker, true, kNone, kNone, "event 60000",
             {}, false, {kSuccess}, true, true, false, "missing", "missing", 0},
        Case{"string_marker", "win95", footprint::MarkerString, true, kNone, kNone, "event 60000",
             {}, false, {kSuccess}, true, true, false, "missing", "missing", 0},
        Case{"driver_file_gone", "", footprint::MarkerDWord, false, kStops, kStops, "",
             {kStopProbesvc, kStopTavrind}, false, {kFailure}, false, false, false, "STOPPED", "missing", 0},
        Case{"service_removal_fails", "", footprint::MarkerDWord, true, kRefuses, kStops, "",
             // The dialog goes as soon as the stop control is refused.
             {kStopProbesvc}, true, {"Orrin Patch Error: Unable to stop 'probesvc' service.", kFailure}, true, true, true, "RUNNING",
             "RUNNING", 0}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

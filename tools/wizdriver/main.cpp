// Walks the wizard to its end the way a person would and saves a screenshot
// of every page and message box it meets:
//   wizdriver walk <PatchWizard.exe> <screenshot folder> [setup directory]
// The removal road is taken when the paths page offers Finish; otherwise the
// setup directory is typed in and the setup road is walked. Message boxes are
// answered No (the restart question) or OK.
#include "WizardDriver.h"
#include <cstdio>
#include <string>

namespace {

int g_shot = 0;
std::string g_folder;

void Shot(HWND hWnd, const char* name)
{
    char file[64];
    std::snprintf(file, sizeof file, "%d-%s.bmp", ++g_shot, name);
    std::string path = g_folder + "\\" + file;
    if (WizardDriver::Screenshot(hWnd, path))
        std::printf("screenshot %s\n", path.c_str());
    else
        std::printf("could not take screenshot %s\n", path.c_str());
}

// Answers every message box that shows up within a short while.
void AnswerMessageBoxes(WizardDriver& driver, DWORD firstWaitMs)
{
    WizardDriver::MessageBoxInfo box;
    DWORD wait = firstWaitMs;
    while (driver.WaitForMessageBox(box, wait)) {
        std::printf("message box \"%s\": %s\n", box.caption.c_str(), box.text.c_str());
        Shot(box.hWnd, "message");
        bool hasNo = false;
        for (int id : box.buttons)
            hasNo = hasNo || id == IDNO;
        driver.AnswerMessageBox(box, hasNo ? IDNO : IDOK);
        wait = 2000;
    }
}

// Until a message box appears: a screenshot of each progress dialog the
// removal shows (one per service stopped, or the host window's wait).
void ShootProgress(WizardDriver& driver, DWORD timeoutMs)
{
    std::string last;
    WizardDriver::MessageBoxInfo box;
    for (DWORD waited = 0; waited < timeoutMs && driver.Running(); waited += 50) {
        if (driver.WaitForMessageBox(box, 0))
            return;
        for (const char* title : {"Shut down Services", "File Copy"}) {
            HWND hDialog = driver.FindProcessWindow(title);
            std::string status = hDialog ? WizardDriver::WindowText(::GetDlgItem(hDialog, 1005)) : std::string();
            if (!status.empty() && status != last) {
                std::printf("progress \"%s\": %s\n", title, status.c_str());
                Shot(hDialog, "progress");
                last = status;
            }
        }
        WizardDriver::Pause(50);
    }
}

bool Next(WizardDriver& driver, const char* shotName, void (*beforeShot)() = NULL)
{
    HWND hPage = driver.CurrentPage();
    driver.Press(WizardDriver::Next);
    AnswerMessageBoxes(driver, 1500);
    if (!driver.WaitForPageChange(hPage, 30000)) {
        std::printf("the wizard stayed on its page\n");
        Shot(driver.Sheet(), "stuck");
        return false;
    }
    WizardDriver::Pause(500);
    if (beforeShot != NULL)
        beforeShot();
    Shot(driver.Sheet(), shotName);
    return true;
}

// The demo CD's stand-in setup program, started by the launch page, says
// what it is in a box of its own process: photographed, then closed.
void CloseStandInSetupBox()
{
    for (int waited = 0; waited < 10000; waited += 100) {
        HWND hBox = ::FindWindowA("#32770", "Stand-in setup program");
        if (hBox != NULL) {
            WizardDriver::Pause(300);
            Shot(hBox, "setup-started");
            std::printf("the setup program started: %s\n",
                        WizardDriver::WindowText(::GetDlgItem(hBox, 0xFFFF)).c_str());
            ::PostMessageA(hBox, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            for (int i = 0; i < 50 && ::IsWindow(hBox); ++i)
                WizardDriver::Pause(100);
            return;
        }
        WizardDriver::Pause(100);
    }
    std::printf("no setup program announced itself\n");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || std::string(argv[1]) != "walk") {
        std::fprintf(stderr, "usage: wizdriver walk <PatchWizard.exe> <screenshot folder> [setup directory]\n");
        return 2;
    }
    g_folder = argv[3];
    WizardDriver driver;
    if (!driver.Start(argv[2]) || !driver.WaitForSheet()) {
        std::printf("the wizard did not start\n");
        return 1;
    }
    WizardDriver::Pause(500);
    Shot(driver.Sheet(), "welcome");
    if (!Next(driver, "paths"))
        return 1;

    if (driver.WizardButtons().finish) {
        driver.Press(WizardDriver::Finish);
        ShootProgress(driver, 120000);
        AnswerMessageBoxes(driver, 120000);
    } else {
        if (argc > 4) {
            driver.TypeText(1001, argv[4]);
            Shot(driver.Sheet(), "paths-filled");
        }
        if (!Next(driver, "launch") || !Next(driver, "cleanup", CloseStandInSetupBox))
            return 1;
        driver.Press(WizardDriver::Finish);
    }
    DWORD exitCode = 0;
    if (!driver.WaitForExit(30000, &exitCode)) {
        std::printf("the wizard did not close\n");
        driver.Kill();
        return 1;
    }
    std::printf("the wizard closed\n");
    return 0;
}

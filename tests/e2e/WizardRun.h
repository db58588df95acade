#pragma once
#include "WizardDriver.h"
#include <string>

// One run of the real PatchWizard.exe, driven as a person would drive it.
// Screenshots of the pages go to the folder named by PW_SCREENSHOTS, when set.
class WizardRun {
public:
    // The Windows version Wine reports to PatchWizard.exe: "win95", "nt40",
    // or "" for Wine's default (a Windows NT family version).
    static void ReportVersion(const std::string& version);

    explicit WizardRun(const std::string& name);
    ~WizardRun();

    // Starts the program and waits for its sheet; false (and a test failure) if it does not come.
    bool Start();
    WizardDriver& Driver() { return m_driver; }

    // Saves the sheet (or the given window) as <name>-<n>-<what>.bmp.
    void Shot(const std::string& what, HWND hWnd = NULL);
    // Presses a wizard button and waits for another page; false if the page stays.
    bool PressAndWaitForPage(WizardDriver::Button button, DWORD timeoutMs = 30000);
    // Waits for a message box, saves it, and fails the test when none comes.
    bool ExpectMessageBox(WizardDriver::MessageBoxInfo& box, DWORD timeoutMs = 30000);
    // True when the program ended within the time.
    bool WaitForExit(DWORD timeoutMs = 30000);

private:
    std::string m_name;
    int m_nShot = 0;
    WizardDriver m_driver;
};

// Wizard button states, printable in test failures.
std::string ButtonsText(const WizardDriver::Buttons& buttons);

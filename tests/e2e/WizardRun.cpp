#include "WizardRun.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <cstdlib>

namespace {

const char kAppDefaults[] = "Software\\Wine\\AppDefaults\\PatchWizard.exe";

std::string ScreenshotFolder()
{
    const char* folder = std::getenv("PW_SCREENSHOTS");
    if (folder == NULL || *folder == '\0')
        return std::string();
    std::string path = folder;
    if (path[0] == '/') {
        for (char& ch : path)
            if (ch == '/')
                ch = '\\';
        path = "Z:" + path;
    }
    return path;
}

}  // namespace

void WizardRun::ReportVersion(const std::string& version)
{
    if (version.empty())
        DeleteKeyTree(HKEY_CURRENT_USER, kAppDefaults);
    else
        SetStringValue(HKEY_CURRENT_USER, kAppDefaults, "Version", version);
}

WizardRun::WizardRun(const std::string& name) : m_name(name) {}

WizardRun::~WizardRun()
{
    if (m_driver.Running()) {
        ADD_FAILURE() << m_name << ": the wizard was still running at the end of the test";
        Shot("left-running");
        m_driver.Kill();
    }
}

bool WizardRun::Start()
{
    if (!m_driver.Start(PatchWizardExe())) {
        ADD_FAILURE() << "could not start " << PatchWizardExe();
        return false;
    }
    if (!m_driver.WaitForSheet()) {
        ADD_FAILURE() << m_name << ": the wizard's sheet did not appear";
        return false;
    }
    // Let the first page paint before anything reads or photographs it.
    WizardDriver::Pause(300);
    return true;
}

void WizardRun::Shot(const std::string& what, HWND hWnd)
{
    std::string folder = ScreenshotFolder();
    if (folder.empty())
        return;
    char number[16];
    wsprintfA(number, "%02d", ++m_nShot);
    WizardDriver::Screenshot(hWnd != NULL ? hWnd : m_driver.Sheet(),
                             folder + "\\" + m_name + "-" + number + "-" + what + ".bmp");
}

bool WizardRun::PressAndWaitForPage(WizardDriver::Button button, DWORD timeoutMs)
{
    HWND hPage = m_driver.CurrentPage();
    m_driver.Press(button);
    if (!m_driver.WaitForPageChange(hPage, timeoutMs))
        return false;
    WizardDriver::Pause(300);
    return true;
}

bool WizardRun::ExpectMessageBox(WizardDriver::MessageBoxInfo& box, DWORD timeoutMs)
{
    if (!m_driver.WaitForMessageBox(box, timeoutMs)) {
        ADD_FAILURE() << m_name << ": no message box appeared";
        return false;
    }
    Shot("message", box.hWnd);
    return true;
}

bool WizardRun::WaitForExit(DWORD timeoutMs) { return m_driver.WaitForExit(timeoutMs); }

std::string ButtonsText(const WizardDriver::Buttons& buttons)
{
    std::string text;
    if (buttons.back)
        text += "Back ";
    if (buttons.next)
        text += "Next ";
    if (buttons.finish)
        text += "Finish ";
    if (buttons.cancel)
        text += "Cancel";
    return text;
}

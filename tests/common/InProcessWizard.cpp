#include "InProcessWizard.h"
#include "app/MyPropertySheet.h"
#include <gtest/gtest.h>
#include <atomic>
#include <thread>

bool RunWizardInProcess(const std::function<void(WizardDriver&)>& script,
                        const std::function<void(CMyPropertySheet&)>& beforeDestroy)
{
    // Message boxes and dialogs look for the application's main window.
    CWinApp* pOwnApp = AfxGetApp() == NULL ? new CWinApp("PatchWizard") : NULL;
    std::atomic<bool> sheetSeen(false);
    std::atomic<bool> scriptDone(false);
    bool closed = false;
    {
        CMyPropertySheet sheet(NULL);
        AfxGetApp()->m_pMainWnd = &sheet;
        std::thread driverThread([&] {
            WizardDriver driver;
            driver.AttachTo(::GetCurrentProcessId());
            if (driver.WaitForSheet(30000)) {
                sheetSeen = true;
                script(driver);
                // A script that left the sheet open: close it so the test goes on.
                for (int i = 0; i < 100 && ::IsWindow(driver.Sheet()); ++i) {
                    driver.Press(WizardDriver::Cancel);
                    WizardDriver::Pause(100);
                }
            }
            scriptDone = true;
        });
        sheet.DoModal();
        closed = true;
        driverThread.join();
        if (beforeDestroy)
            beforeDestroy(sheet);
        AfxGetApp()->m_pMainWnd = NULL;
    }
    delete pOwnApp;
    if (!sheetSeen)
        ADD_FAILURE() << "the wizard's sheet did not appear";
    return sheetSeen && closed && scriptDone;
}

#include "app/PatchWizardApp.h"
#include "app/MyPropertySheet.h"

BOOL CPatchWizardApp::InitInstance()
{
    Enable3dControlsStatic();
    {
        CMyPropertySheet sheet(NULL);
        m_pMainWnd = &sheet;
        sheet.DoModal();
        // The sheet goes at the end of this scope; nothing may find it afterwards.
        m_pMainWnd = NULL;
    }
    // The program ends here, without a message loop.
    return FALSE;
}

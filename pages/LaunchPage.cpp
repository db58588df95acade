#include "pages/LaunchPage.h"
#include "app/MyPropertySheet.h"
#include "res/resource.h"

CMyPropertyPage3::CMyPropertyPage3() : CPropertyPage(IDD_LAUNCH, 0)
{
    m_psp.dwFlags &= ~PSP_HASHELP;
}

BOOL CMyPropertyPage3::OnSetActive()
{
    SheetOf(this)->SendMessage(PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

LRESULT CMyPropertyPage3::OnWizardNext()
{
    const CString& strTempDir = SheetOf(this)->m_strTempDir;
    CString strProgram = strTempDir + "\\setup.exe";
    // Quoted, and named as the application too: a temporary directory with a
    // blank in it ("C:\Documents and Settings\...") must not let the system
    // pick C:\Documents.exe.
    CString strCommandLine = "\"" + strProgram + "\"";

    STARTUPINFOA startupInfo;
    ZeroMemory(&startupInfo, sizeof startupInfo);
    startupInfo.cb = sizeof startupInfo;
    PROCESS_INFORMATION processInfo;
    if (::CreateProcessA(strProgram, strCommandLine.GetBuffer(strCommandLine.GetLength()), NULL, NULL, FALSE, 0,
                         NULL, NULL, &startupInfo, &processInfo)) {
        // The wizard neither waits for the setup program nor watches it.
        ::CloseHandle(processInfo.hThread);
        ::CloseHandle(processInfo.hProcess);
    }
    // A setup program that cannot be started is not reported; the last page follows all the same.
    return CPropertyPage::OnWizardNext();
}

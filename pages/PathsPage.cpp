#include "pages/PathsPage.h"
#include "app/MyPropertySheet.h"
#include "pages/SetupDirRule.h"
#include "res/resource.h"

CMyPropertyPage2::CMyPropertyPage2() : CPropertyPage(IDD_PATHS, 0)
{
    m_psp.dwFlags &= ~PSP_HASHELP;
}

void CMyPropertyPage2::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEMP_HELP, m_staticTempHelp);
    DDX_Control(pDX, IDC_TEMP_PATH, m_editTempPath);
    DDX_Control(pDX, IDC_TEMP_LABEL, m_staticTempLabel);
    DDX_Control(pDX, IDC_BROWSE_TEMP, m_btnBrowseTemp);
    DDX_Control(pDX, IDC_REMOVE_TEXT, m_staticRemoveText);
    DDX_Control(pDX, IDC_SETUP_LABEL, m_staticSetupLabel);
    DDX_Control(pDX, IDC_SETUP_HELP, m_staticSetupHelp);
    DDX_Control(pDX, IDC_BROWSE_SETUP, m_btnBrowseSetup);
    DDX_Control(pDX, IDC_SETUP_PATH, m_editSetupPath);
}

BOOL CMyPropertyPage2::OnInitDialog()
{
    CPropertyPage::OnInitDialog();

    // The layout is chosen once: the road does not change during a run.
    if (SheetOf(this)->m_bInstalled) {
        m_btnBrowseSetup.ShowWindow(SW_HIDE);
        m_editSetupPath.ShowWindow(SW_HIDE);
        m_staticSetupLabel.ShowWindow(SW_HIDE);
        m_staticSetupHelp.ShowWindow(SW_HIDE);
        m_btnBrowseTemp.ShowWindow(SW_HIDE);
        m_staticTempLabel.ShowWindow(SW_HIDE);
        m_editTempPath.ShowWindow(SW_HIDE);
        m_staticTempHelp.ShowWindow(SW_HIDE);
    } else {
        // The system's answer ends in a backslash; when it fails the buffer
        // stays empty and the name stands alone.
        char szTempPath[MAX_PATH + 1] = "";
        DWORD n = ::GetTempPathA(MAX_PATH, szTempPath);
        if (n == 0 || n >= MAX_PATH)
            szTempPath[0] = '\0';
        m_editTempPath.SetWindowText(CString(szTempPath) + "Patch.tmp");
        SetWindowText("Remove temperature sensor support");
        m_staticRemoveText.ShowWindow(SW_HIDE);
    }
    return TRUE;
}

BOOL CMyPropertyPage2::OnSetActive()
{
    SheetOf(this)->SendMessage(PSM_SETWIZBUTTONS, 0,
                               SheetOf(this)->m_bInstalled ? PSWIZB_BACK | PSWIZB_FINISH
                                                           : PSWIZB_BACK | PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

BOOL CMyPropertyPage2::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) == IDC_BROWSE_SETUP && HIWORD(wParam) == BN_CLICKED) {
        OnBrowseSetup();
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void CMyPropertyPage2::OnBrowseSetup()
{
    CString strSetupDir;
    m_editSetupPath.GetWindowText(strSetupDir);
    CFileDialog dialog(TRUE, NULL, BrowseInitialFileName(strSetupDir), OFN_HIDEREADONLY | OFN_NOCHANGEDIR,
                       "*.*|*.*||", NULL);
    CString strChosen;
    if (dialog.DoModal() == IDOK)
        strChosen = dialog.GetPathName();
    // Cancel empties the edit, as the chosen path would have replaced it.
    m_editSetupPath.SetWindowText(SetupDirFromChosenPath(strChosen));
}

#include "pages/WelcomePage.h"
#include "app/MyPropertySheet.h"
#include "res/resource.h"
#include "sysaccess/RegistryKey.h"

CMyPropertyPage1::CMyPropertyPage1() : CPropertyPage(IDD_WELCOME, 0)
{
    m_psp.dwFlags &= ~PSP_HASHELP;
}

void CMyPropertyPage1::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_WELCOME_TEXT, m_strWelcomeText);
}

BOOL CMyPropertyPage1::OnInitDialog()
{
    CPropertyPage::OnInitDialog();

    // The product counts as installed exactly when its install path can be
    // read and is not empty; every failure means the setup road.
    CMyPropertySheet* pSheet = SheetOf(this);
    pSheet->m_bInstalled = FALSE;
    CRegistryKey key(HKEY_LOCAL_MACHINE, "Software");
    CString strInstallPath;
    if (key.ReadString("Dravik\\Orrin Client Manager\\3.0", "OrrinPath", strInstallPath) &&
        !strInstallPath.IsEmpty())
        pSheet->m_bInstalled = TRUE;

    m_strWelcomeText.LoadString(pSheet->m_bInstalled ? IDS_INSTALLED : IDS_NOT_INSTALLED);
    UpdateData(FALSE);
    return TRUE;
}

BOOL CMyPropertyPage1::OnSetActive()
{
    SheetOf(this)->SendMessage(PSM_SETWIZBUTTONS, 0, PSWIZB_NEXT);
    return CPropertyPage::OnSetActive();
}

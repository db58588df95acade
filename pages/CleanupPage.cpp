#include "pages/CleanupPage.h"
#include "app/MyPropertySheet.h"
#include "res/resource.h"

CMyPropertyPage4::CMyPropertyPage4() : CPropertyPage(IDD_CLEANUP, 0)
{
    m_psp.dwFlags &= ~PSP_HASHELP;
}

void CMyPropertyPage4::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TEMP_DIR, m_editTempDir);
}

BOOL CMyPropertyPage4::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    // Set once, when the page is first shown.
    m_editTempDir.SetWindowText(SheetOf(this)->m_strTempDir);
    return TRUE;
}

BOOL CMyPropertyPage4::OnSetActive()
{
    SheetOf(this)->SendMessage(PSM_SETWIZBUTTONS, 0, PSWIZB_BACK | PSWIZB_FINISH);
    return CPropertyPage::OnSetActive();
}

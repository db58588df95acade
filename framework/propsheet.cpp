#include "propsheet.h"

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) : CDialog(nIDTemplate)
{
    ZeroMemory(&m_psp, sizeof m_psp);
    m_psp.dwSize = PROPSHEETPAGEA_V1_SIZE;
    m_psp.dwFlags = PSP_HASHELP;
    m_psp.hInstance = ::GetModuleHandleA(NULL);
    m_psp.pszTemplate = MAKEINTRESOURCEA(nIDTemplate);
    m_psp.pfnDlgProc = PageProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    if (nIDCaption != 0 && m_strCaption.LoadString(nIDCaption)) {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_strCaption;
    }
}

BOOL CPropertyPage::OnSetActive()
{
    // The first activation follows OnInitDialog, which has just filled the controls.
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

LRESULT CPropertyPage::OnWizardBack() { return 0; }

LRESULT CPropertyPage::OnWizardNext() { return 0; }

BOOL CPropertyPage::OnWizardFinish() { return TRUE; }

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

// A page is closed by its sheet, never by a command of its own.
void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

INT_PTR CPropertyPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_NOTIFY)
        return CDialog::OnMessage(message, wParam, lParam);

    LRESULT result = 0;
    switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
    case PSN_SETACTIVE:
        result = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        result = OnKillActive() ? FALSE : TRUE;
        break;
    case PSN_WIZBACK:
        result = OnWizardBack();
        break;
    case PSN_WIZNEXT:
        result = OnWizardNext();
        break;
    case PSN_WIZFINISH:
        result = OnWizardFinish() ? FALSE : TRUE;
        break;
    case PSN_QUERYCANCEL:
        result = OnQueryCancel() ? FALSE : TRUE;
        break;
    case PSN_RESET:
        OnCancel();
        break;
    default:
        return FALSE;
    }
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        const PROPSHEETPAGEA* psp = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
        return InitDialog(psp ? reinterpret_cast<CPropertyPage*>(psp->lParam) : NULL, hWnd);
    }
    return Dispatch(hWnd, message, wParam, lParam);
}

namespace {

// The sheet whose window is about to be created, and the hook that catches it.
CPropertySheet* g_pSheetBeingCreated = NULL;
HHOOK g_hCreateHook = NULL;

LRESULT CALLBACK CatchSheetCreation(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_CREATEWND && g_pSheetBeingCreated != NULL) {
        const CBT_CREATEWNDA* pCreate = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        if ((pCreate->lpcs->style & WS_CHILD) == 0) {
            g_pSheetBeingCreated->Attach(reinterpret_cast<HWND>(wParam));
            g_pSheetBeingCreated = NULL;
        }
    }
    return ::CallNextHookEx(g_hCreateHook, nCode, wParam, lParam);
}

}  // namespace

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : m_pParentWnd(pParentWnd)
{
    m_strCaption.LoadString(nIDCaption);
    ZeroMemory(&m_psh, sizeof m_psh);
    m_psh.dwSize = PROPSHEETHEADERA_V1_SIZE;
    m_psh.dwFlags = PSH_HASHELP;
    m_psh.hInstance = ::GetModuleHandleA(NULL);
    m_psh.pszCaption = m_strCaption;
    m_psh.nStartPage = iSelectPage;
}

void CPropertySheet::AddPage(CPropertyPage* pPage) { m_pages.push_back(pPage); }

INT_PTR CPropertySheet::DoModal()
{
    // Page handles rather than an array of page records: the system steps
    // through such an array by each record's dwSize, which is the short,
    // oldest form here. The sheet destroys the handles when it closes.
    std::vector<HPROPSHEETPAGE> pages;
    for (CPropertyPage* pPage : m_pages)
        if (HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&pPage->m_psp))
            pages.push_back(hPage);
    m_psh.dwFlags &= ~PSH_PROPSHEETPAGE;
    m_psh.hwndParent = m_pParentWnd != NULL ? m_pParentWnd->m_hWnd : NULL;
    m_psh.nPages = static_cast<UINT>(pages.size());
    m_psh.phpage = pages.data();

    g_pSheetBeingCreated = this;
    g_hCreateHook = ::SetWindowsHookExA(WH_CBT, CatchSheetCreation, NULL, ::GetCurrentThreadId());
    INT_PTR nResult = ::PropertySheetA(&m_psh);
    if (g_hCreateHook != NULL)
        ::UnhookWindowsHookEx(g_hCreateHook);
    g_hCreateHook = NULL;
    g_pSheetBeingCreated = NULL;

    Detach();
    ForgetDestroyedWindows();
    return nResult;
}

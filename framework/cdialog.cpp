#include "cdialog.h"

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDTemplate = nIDTemplate;
    HWND hParent = pParentWnd != NULL ? pParentWnd->m_hWnd : CWnd::GetSafeOwner(NULL);
    HWND hWnd = ::CreateDialogParamA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(nIDTemplate), hParent,
                                     DialogProc, reinterpret_cast<LPARAM>(this));
    return hWnd != NULL;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    ::EndDialog(m_hWnd, IDOK);
}

void CDialog::OnCancel() { ::EndDialog(m_hWnd, IDCANCEL); }

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND)
        return OnCommand(wParam, lParam);
    return FALSE;
}

INT_PTR CDialog::InitDialog(CDialog* pDialog, HWND hWnd)
{
    if (pDialog == NULL || !pDialog->Attach(hWnd))
        return TRUE;
    try {
        return pDialog->OnInitDialog();
    } catch (...) {
        return TRUE;
    }
}

INT_PTR CDialog::Dispatch(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CDialog* pDialog = static_cast<CDialog*>(FromHandlePermanent(hWnd));
    if (pDialog == NULL)
        return FALSE;
    if (message == WM_NCDESTROY) {
        pDialog->Detach();
        ForgetDestroyedWindows();
        return FALSE;
    }
    try {
        return pDialog->OnMessage(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
        return InitDialog(reinterpret_cast<CDialog*>(lParam), hWnd);
    return Dispatch(hWnd, message, wParam, lParam);
}

#include "ui/ProgressDialog.h"
#include "res/resource.h"

CProgressDialog::CProgressDialog(UINT nIDCaption)
    : CDialog(IDD_PROGRESS), m_nIDCaption(nIDCaption != 0 ? nIDCaption : IDS_FILE_COPY)
{
}

CProgressDialog::~CProgressDialog()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL CProgressDialog::Create(CWnd* pParentWnd)
{
    // The owner is found as for any dialog, then disabled only if it was
    // enabled, so that one already disabled by someone else stays so.
    m_pOwnerWnd = CWnd::FromHandle(CWnd::GetSafeOwner(pParentWnd));
    if (m_pOwnerWnd != NULL && m_pOwnerWnd->IsWindowEnabled()) {
        m_pOwnerWnd->EnableWindow(FALSE);
        m_bOwnerDisabled = TRUE;
    }
    if (!CDialog::Create(IDD_PROGRESS, pParentWnd)) {
        ReenableOwner();
        return FALSE;
    }
    return TRUE;
}

void CProgressDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROGRESS_BAR, m_progress);
}

BOOL CProgressDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_progress.SetRange(static_cast<short>(m_nLower), static_cast<short>(m_nUpper));
    m_progress.SetStep(m_nStep);
    m_progress.SetPos(m_nLower);
    CString caption;
    caption.LoadString(m_nIDCaption);
    SetWindowText(caption);
    return TRUE;
}

void CProgressDialog::OnOK() {}

void CProgressDialog::OnCancel() { m_bCancelled = TRUE; }

void CProgressDialog::SetStatus(LPCSTR lpszText)
{
    if (m_hWnd != NULL)
        ::SetDlgItemTextA(m_hWnd, IDC_PROGRESS_STATUS, lpszText);
}

DWORD CProgressDialog::SetRange(int nLower, int nUpper)
{
    m_nLower = nLower;
    m_nUpper = nUpper;
    if (m_progress.m_hWnd == NULL)
        return 0;
    return static_cast<DWORD>(m_progress.SendMessage(
        PBM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(nLower), static_cast<WORD>(nUpper))));
}

int CProgressDialog::SetPos(int nPos)
{
    PumpMessages();
    int nPrevious = 0;
    if (m_progress.m_hWnd != NULL)
        nPrevious = LOWORD(m_progress.SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos)));
    UpdatePercent(nPos);
    return nPrevious;
}

CString CProgressDialog::PercentText(int nPos, int nLower, int nUpper)
{
    long long span = static_cast<long long>(nUpper) - nLower;
    long long pct = span == 0 ? 0 : (static_cast<long long>(nPos) - nLower) * 100 / span;
    if (pct != 100)
        pct %= 100;
    CString text;
    text.Format("%d%c", static_cast<int>(pct), '%');
    return text;
}

void CProgressDialog::UpdatePercent(int nPos)
{
    if (m_hWnd == NULL)
        return;
    CString text = PercentText(nPos, m_nLower, m_nUpper);
    CString current;
    CWnd::FromHandle(::GetDlgItem(m_hWnd, IDC_PROGRESS_PERCENT))->GetWindowText(current);
    // Rewriting an unchanged text would only make the window flicker.
    if (current != text)
        ::SetDlgItemTextA(m_hWnd, IDC_PROGRESS_PERCENT, text);
}

void CProgressDialog::PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        if (m_hWnd != NULL && ::IsDialogMessageA(m_hWnd, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

BOOL CProgressDialog::CheckCancel()
{
    PumpMessages();
    BOOL bCancelled = m_bCancelled;
    m_bCancelled = FALSE;
    return bCancelled;
}

void CProgressDialog::ReenableOwner()
{
    if (m_bOwnerDisabled && m_pOwnerWnd != NULL)
        m_pOwnerWnd->EnableWindow(TRUE);
    m_bOwnerDisabled = FALSE;
}

BOOL CProgressDialog::DestroyWindow()
{
    ReenableOwner();
    return CDialog::DestroyWindow();
}

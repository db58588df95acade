#include "ddx.h"

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hControl = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC);
    if (hControl == NULL)
        return;
    if (pDX->m_bSaveAndValidate)
        CWnd::FromHandle(hControl)->GetWindowText(value);
    else
        ::SetWindowTextA(hControl, value);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd == NULL)
        rControl.Attach(::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC));
}

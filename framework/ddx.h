#pragma once
#include "cwnd.h"

// Context of one data exchange between a dialog's controls and its members.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}
    BOOL m_bSaveAndValidate;  // TRUE: controls to members
    CWnd* m_pDlgWnd;
};

// Text of control nIDC to or from value.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
// Binds rControl to control nIDC the first time; later exchanges change nothing.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

#pragma once
#include "cwnd.h"
#include <commctrl.h>

// Control wrappers: bound to a dialog's control by DDX_Control.
class CStatic : public CWnd {};
class CButton : public CWnd {};
class CEdit : public CWnd {};

class CProgressCtrl : public CWnd {
public:
    // Bounds reach the control as 16-bit values.
    void SetRange(short nLower, short nUpper)
    {
        SendMessage(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
    }
    int SetPos(int nPos) { return static_cast<int>(SendMessage(PBM_SETPOS, nPos)); }
    int SetStep(int nStep) { return static_cast<int>(SendMessage(PBM_SETSTEP, nStep)); }
};

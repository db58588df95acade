#pragma once
#include "framework/afxwin.h"

// A modeless progress window with a status line, a bar, a percentage and a
// Cancel button. While it is up it disables its owner (the wizard), and it
// keeps the thread responsive by handling every waiting message whenever the
// caller reports a position or asks for Cancel. Cancel, Escape and the close
// box only raise a flag; the caller decides what to do.
//
// Without a window (Create failed or not called) every operation is safe:
// SetRange and SetPos record and compute, the window calls do nothing, and
// CheckCancel still pumps the thread's messages.
class CProgressDialog : public CDialog {
public:
    // nIDCaption 0 gives the default title, "File Copy".
    explicit CProgressDialog(UINT nIDCaption = 0);
    ~CProgressDialog() override;

    BOOL Create(CWnd* pParentWnd = NULL);
    void SetStatus(LPCSTR lpszText);
    // Bounds are kept as ints for the percentage; the bar gets their low 16 bits.
    DWORD SetRange(int nLower, int nUpper);
    int SetPos(int nPos);
    // Handles waiting messages, then reports a Cancel once.
    BOOL CheckCancel();
    void PumpMessages();
    BOOL DestroyWindow() override;

    // The percentage text for nPos in [nLower, nUpper]: truncated, kept
    // below 100 by a modulo unless exactly 100, formatted "37%". An empty
    // range reads as 0%; the arithmetic is 64-bit, so no range overflows.
    static CString PercentText(int nPos, int nLower, int nUpper);

    CProgressCtrl m_progress;
    UINT m_nIDCaption;
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nStep = 10;
    BOOL m_bCancelled = FALSE;
    BOOL m_bOwnerDisabled = FALSE;
    CWnd* m_pOwnerWnd = NULL;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    void UpdatePercent(int nPos);
    void ReenableOwner();
};

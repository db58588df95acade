#pragma once
#include "cwnd.h"

// A dialog from a template. The object is bound to its window at
// WM_INITDIALOG; messages before that are left to the system, and no C++
// exception leaves the dialog procedure.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate = 0) : m_nIDTemplate(nIDTemplate) {}

    // Creates the dialog modeless; a NULL parent means the main window.
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    // WM_COMMAND; TRUE when handled. IDOK and IDCANCEL go to OnOK and OnCancel.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // One message of the bound dialog; the result is the dialog procedure's.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Binds pDialog to hWnd and runs its initialisation.
    static INT_PTR InitDialog(CDialog* pDialog, HWND hWnd);
    static INT_PTR Dispatch(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
};

#pragma once
#include "cobject.h"
#include "cstring.h"

class CDataExchange;

// A window. An object attached to a window is found from the handle through
// FromHandle; objects the framework did not attach are represented by lasting
// stand-ins that never destroy their window.
class CWnd : public CObject {
public:
    CWnd() = default;
    ~CWnd() override;

    static CWnd* FromHandle(HWND hWnd);
    // The attached object, or NULL when none is attached to this window.
    static CWnd* FromHandlePermanent(HWND hWnd);

    BOOL Attach(HWND hWnd);
    HWND Detach();

    CWnd* GetParent() const;
    CWnd* GetDlgItem(int nID) const;
    void SetWindowText(LPCSTR lpszString);
    void GetWindowText(CString& rString) const;
    BOOL ShowWindow(int nCmdShow);
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual BOOL DestroyWindow();

    // Moves data between the controls and the members (TRUE: controls to members).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // The owner a dialog or message box should get: the parent's top-level
    // window, or the main window's last active pop-up when no parent is given.
    static HWND GetSafeOwner(CWnd* pParent);

    HWND m_hWnd = NULL;

protected:
    // Called when the window has gone: every object still bound to a window
    // that no longer exists is unbound.
    static void ForgetDestroyedWindows();
};

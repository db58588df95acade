#pragma once
#include "cdialog.h"
#include <commctrl.h>
#include <vector>

// One page of a property sheet. The page object is found from its window
// through PROPSHEETPAGE.lParam; the sheet's notifications become the virtual
// calls below, and their results go back through DWLP_MSGRESULT.
class CPropertyPage : public CDialog {
public:
    // nIDCaption 0 keeps the template's own caption.
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);

    virtual BOOL OnSetActive();      // FALSE keeps the page from showing
    virtual BOOL OnKillActive();     // FALSE keeps the page current
    virtual LRESULT OnWizardBack();  // -1 stays, 0 goes back
    virtual LRESULT OnWizardNext();  // -1 stays, 0 goes on
    virtual BOOL OnWizardFinish();   // TRUE closes the sheet
    virtual BOOL OnQueryCancel();    // FALSE refuses the Cancel
    void OnOK() override;
    void OnCancel() override;

    PROPSHEETPAGEA m_psp;

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK PageProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

    CString m_strCaption;
    BOOL m_bFirstSetActive = TRUE;
};

// A property sheet, in wizard mode when PSH_WIZARD is set in m_psh. The
// object is attached to its window as the window is created, before the first
// page is initialised, so that pages can find it through their parent.
class CPropertySheet : public CWnd {
public:
    CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = NULL, UINT iSelectPage = 0);

    void AddPage(CPropertyPage* pPage);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    // Runs the sheet; returns when it is closed.
    virtual INT_PTR DoModal();

    PROPSHEETHEADERA m_psh;

private:
    std::vector<CPropertyPage*> m_pages;
    CWnd* m_pParentWnd;
    CString m_strCaption;
};

#pragma once
#include "framework/afxwin.h"
#include "pages/WelcomePage.h"
#include "pages/PathsPage.h"
#include "pages/LaunchPage.h"
#include "pages/CleanupPage.h"

// The wizard: owns the four pages and the state they share. Destroying it
// deletes the staged setup files and removes the temporary directory.
class CMyPropertySheet : public CPropertySheet {
public:
    explicit CMyPropertySheet(CWnd* pParentWnd);
    ~CMyPropertySheet() override;

    // Deletes one file whatever its attributes; non-zero only when the file
    // existed and was deleted. Shows nothing.
    BOOL ForceDeleteFile(const CString& strPath);
    // Restarts the machine; tells the user when that cannot be started.
    void RestartSystem();

    OSVERSIONINFOA m_osvi;
    CStringArray m_setupFiles;  // the board file first, then the setup set
    CString m_strTempDir;
    CString m_strSetupDir;
    BOOL m_bInstalled = FALSE;  // settled by the welcome page
    CMyPropertyPage1 m_page1;
    CMyPropertyPage2 m_page2;
    CMyPropertyPage3 m_page3;
    CMyPropertyPage4 m_page4;
};

// The sheet that holds a page, found through the page's window.
CMyPropertySheet* SheetOf(const CWnd* pPage);

#pragma once
#include "cdialog.h"
#include <commdlg.h>
#include <string>

// The common Open (or Save As) dialog. The filter is given as
// "description|pattern|...|" pairs.
class CFileDialog : public CDialog {
public:
    CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = NULL, LPCSTR lpszFileName = NULL,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR lpszFilter = NULL,
                CWnd* pParentWnd = NULL);

    // IDOK when a file was chosen, IDCANCEL otherwise.
    virtual INT_PTR DoModal();
    CString GetPathName() const { return CString(m_szFileName); }

    OPENFILENAMEA m_ofn;

private:
    BOOL m_bOpenFileDialog;
    CWnd* m_pParentWnd;
    char m_szFileName[MAX_PATH];
    std::string m_filter;  // pairs separated by NULs, ending in two
    CString m_strDefExt;
};

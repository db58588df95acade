#include "cfiledialog.h"
#include "syscalls.h"

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                         LPCSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_pParentWnd(pParentWnd), m_strDefExt(lpszDefExt)
{
    // A longer initial name is cut to fit the buffer.
    ::lstrcpynA(m_szFileName, lpszFileName ? lpszFileName : "", MAX_PATH);

    if (lpszFilter != NULL) {
        m_filter = lpszFilter;
        for (char& ch : m_filter)
            if (ch == '|')
                ch = '\0';
        m_filter.push_back('\0');
    }

    ZeroMemory(&m_ofn, sizeof m_ofn);
    m_ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    m_ofn.hInstance = ::GetModuleHandleA(NULL);
    m_ofn.lpstrFilter = m_filter.empty() ? NULL : m_filter.c_str();
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.lpstrDefExt = lpszDefExt ? static_cast<LPCSTR>(m_strDefExt) : NULL;
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
}

INT_PTR CFileDialog::DoModal()
{
    m_ofn.hwndOwner = CWnd::GetSafeOwner(m_pParentWnd);
    BOOL bChosen = m_bOpenFileDialog ? Sys().GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    return bChosen ? IDOK : IDCANCEL;
}

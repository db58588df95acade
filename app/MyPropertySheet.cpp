#include "app/MyPropertySheet.h"
#include "res/resource.h"

namespace {

// The setup file list in staging order: the board description file, which
// staging writes from the program's resource, then the product's setup set.
const char* const kSetupFiles[] = {
    "Kt718vn.alf", "_inst32i.ex_", "_setup.dll", "_setup.lib", "data.z", "Setup.exe", "Setup.ins", "setup.pkg",
};

}  // namespace

CMyPropertySheet::CMyPropertySheet(CWnd* pParentWnd) : CPropertySheet(IDS_WIZARD_CAPTION, pParentWnd, 0)
{
    m_psh.dwFlags &= ~PSH_HASHELP;
    AddPage(&m_page1);
    AddPage(&m_page2);
    AddPage(&m_page3);
    AddPage(&m_page4);
    m_psh.dwFlags |= PSH_WIZARD;

    m_setupFiles.RemoveAll();
    for (const char* pszName : kSetupFiles)
        m_setupFiles.Add(pszName);

    // Should the call fail, the record reads as Windows 95 (platform 0 is
    // not Windows NT), the way that touches no service.
    ZeroMemory(&m_osvi, sizeof m_osvi);
    m_osvi.dwOSVersionInfoSize = sizeof m_osvi;
    ::GetVersionExA(&m_osvi);
}

CMyPropertySheet::~CMyPropertySheet()
{
    if (!m_strTempDir.IsEmpty()) {
        for (int i = 0; i < m_setupFiles.GetSize(); ++i)
            ForceDeleteFile(m_strTempDir + "\\" + m_setupFiles[i]);
        // Only an empty directory goes; one holding anything else stays, silently.
        if (!::RemoveDirectoryA(m_strTempDir))
            ::GetLastError();
    }
}

CMyPropertySheet* SheetOf(const CWnd* pPage)
{
    return static_cast<CMyPropertySheet*>(CWnd::FromHandlePermanent(::GetParent(pPage->m_hWnd)));
}

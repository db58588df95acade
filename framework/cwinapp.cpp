#include "cwinapp.h"
#include "cwnd.h"
#include <commctrl.h>

namespace {

CWinApp* g_pApp = NULL;

CString ModuleBaseName()
{
    char path[MAX_PATH + 1] = "";
    DWORD n = ::GetModuleFileNameA(NULL, path, MAX_PATH);
    path[n < MAX_PATH ? n : MAX_PATH] = '\0';
    const char* name = path;
    for (const char* p = path; *p; ++p)
        if (*p == '\\' || *p == '/' || *p == ':')
            name = p + 1;
    CString result(name);
    const char* dot = NULL;
    for (const char* p = name; *p; ++p)
        if (*p == '.')
            dot = p;
    return dot ? CString(name, static_cast<int>(dot - name)) : result;
}

}  // namespace

CWinApp::CWinApp(LPCSTR lpszAppName)
{
    m_strAppName = lpszAppName ? CString(lpszAppName) : ModuleBaseName();
    m_pszAppName = m_strAppName;
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = NULL;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::Run()
{
    MSG msg;
    while (::GetMessageA(&msg, NULL, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

CWinApp* AfxGetApp() { return g_pApp; }

LPCSTR AfxGetAppName()
{
    static CString fallback;
    if (g_pApp != NULL)
        return g_pApp->m_pszAppName;
    fallback = ModuleBaseName();
    return fallback;
}

int AfxWinMain()
{
    ::InitCommonControls();
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return 1;
    int nResult = 0;
    if (pApp->InitInstance())
        nResult = pApp->Run();
    // The main window object no longer exists once InitInstance has returned.
    pApp->m_pMainWnd = NULL;
    return nResult;
}

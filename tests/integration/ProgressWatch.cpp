#include "ProgressWatch.h"
#include "framework/afxwin.h"
#include "res/resource.h"

namespace {

ProgressWatch* g_pWatch = NULL;

bool IsProgressDialog(HWND hDialog)
{
    char className[64] = "";
    ::GetClassNameA(::GetDlgItem(hDialog, IDC_PROGRESS_BAR), className, sizeof className);
    return lstrcmpiA(className, PROGRESS_CLASSA) == 0;
}

}  // namespace

ProgressWatch::ProgressWatch()
{
    g_pWatch = this;
    m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, Hook, NULL, ::GetCurrentThreadId());
}

ProgressWatch::~ProgressWatch()
{
    ::UnhookWindowsHookEx(m_hHook);
    g_pWatch = NULL;
}

LRESULT CALLBACK ProgressWatch::Hook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && g_pWatch != NULL)
        g_pWatch->Seen(*reinterpret_cast<const CWPSTRUCT*>(lParam));
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

void ProgressWatch::Seen(const CWPSTRUCT& message)
{
    if (message.message != WM_SETTEXT || message.lParam == 0)
        return;
    HWND hDialog = ::GetParent(message.hwnd);
    if (hDialog == NULL || !IsProgressDialog(hDialog))
        return;
    std::string text = reinterpret_cast<LPCSTR>(message.lParam);
    int id = ::GetDlgCtrlID(message.hwnd);
    if (id == IDC_PROGRESS_PERCENT) {
        percents.push_back(text);
    } else if (id == IDC_PROGRESS_STATUS) {
        statuses.push_back(text);
        CWinApp* pApp = AfxGetApp();
        if (pApp != NULL && pApp->m_pMainWnd != NULL && ::IsWindowEnabled(pApp->m_pMainWnd->m_hWnd))
            wizardEnabledDuringCopy = true;
        if (onStatus)
            onStatus(text, hDialog);
    }
}

void ProgressWatch::PressCancel(HWND hDialog)
{
    HWND hCancel = ::GetDlgItem(hDialog, IDCANCEL);
    ::PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(hCancel));
}

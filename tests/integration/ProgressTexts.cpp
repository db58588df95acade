#include "ProgressTexts.h"
#include "ProgressWatch.h"
#include "framework/afxwin.h"
#include "res/resource.h"

namespace {
ProgressTexts* g_pTexts = NULL;
}

ProgressTexts::ProgressTexts()
{
    g_pTexts = this;
    m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, Hook, NULL, ::GetCurrentThreadId());
}

ProgressTexts::~ProgressTexts()
{
    ::UnhookWindowsHookEx(m_hHook);
    g_pTexts = NULL;
}

LRESULT CALLBACK ProgressTexts::Hook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && g_pTexts != NULL)
        g_pTexts->Seen(*reinterpret_cast<const CWPSTRUCT*>(lParam));
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

void ProgressTexts::Seen(const CWPSTRUCT& message)
{
    if (message.message != WM_SETTEXT || message.lParam == 0)
        return;
    HWND hDialog = ::GetParent(message.hwnd);
    if (hDialog == NULL || hDialog != FindProgressDialog())
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
            onStatus(text);
    }
}

#include "ProgressWatch.h"
#include "res/resource.h"
#include <commctrl.h>

namespace {

std::string TextOf(HWND hWnd)
{
    char buffer[512] = "";
    ::GetWindowTextA(hWnd, buffer, sizeof buffer);
    return buffer;
}

BOOL CALLBACK FindProgress(HWND hWnd, LPARAM lParam)
{
    char className[64] = "";
    HWND hBar = ::GetDlgItem(hWnd, IDC_PROGRESS_BAR);
    if (hBar != NULL && ::GetClassNameA(hBar, className, sizeof className) &&
        lstrcmpiA(className, PROGRESS_CLASSA) == 0) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindProgressDialog()
{
    HWND hFound = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindProgress, reinterpret_cast<LPARAM>(&hFound));
    return hFound;
}

bool ReadProgressDialog(ProgressSnapshot* pSnapshot)
{
    HWND hDialog = FindProgressDialog();
    if (hDialog == NULL)
        return false;
    HWND hBar = ::GetDlgItem(hDialog, IDC_PROGRESS_BAR);
    PBRANGE range = {0, 0};
    ::SendMessageA(hBar, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    pSnapshot->title = TextOf(hDialog);
    pSnapshot->status = TextOf(::GetDlgItem(hDialog, IDC_PROGRESS_STATUS));
    pSnapshot->percent = TextOf(::GetDlgItem(hDialog, IDC_PROGRESS_PERCENT));
    pSnapshot->lower = range.iLow;
    pSnapshot->upper = range.iHigh;
    pSnapshot->pos = static_cast<int>(::SendMessageA(hBar, PBM_GETPOS, 0, 0));
    return true;
}

bool ClickProgressCancel()
{
    HWND hDialog = FindProgressDialog();
    return hDialog != NULL && ::PostMessageA(::GetDlgItem(hDialog, IDCANCEL), BM_CLICK, 0, 0);
}

void ProgressWatch::Look()
{
    ProgressSnapshot snapshot;
    ReadProgressDialog(&snapshot);
    m_seen.push_back(snapshot);
}

std::vector<std::string> ProgressWatch::Statuses() const
{
    std::vector<std::string> statuses;
    for (const ProgressSnapshot& s : m_seen)
        if (!s.status.empty() && (statuses.empty() || statuses.back() != s.status))
            statuses.push_back(s.status);
    return statuses;
}

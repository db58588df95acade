#include "patch/ServiceRemoval.h"
#include "framework/syscalls.h"
#include "ui/ProgressDialog.h"

namespace {

const DWORD kTimeLimitMs = 60000;
const DWORD kPauseMs = 1000;
// A host that never handles the close request must not hang the wizard: the
// request is given this long, then the loop goes on as if it had been handled
// (the request stays queued for the host). Twice the pause keeps the
// 60-second limit checked at least every three seconds.
const UINT kSendTimeoutMs = 2000;

}  // namespace

BOOL CloseTopLevelWindowAndWait(LPCSTR lpszTitle)
{
    CProgressDialog dialog(0);
    BOOL bShown = FALSE;
    const DWORD dwStart = Sys().GetTickCount();
    for (;;) {
        HWND hWnd = ::FindWindowA(NULL, lpszTitle);
        if (hWnd == NULL)
            break;
        DWORD_PTR dwAnswer = 0;
        ::SendMessageTimeoutA(hWnd, WM_CLOSE, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, kSendTimeoutMs, &dwAnswer);

        // The dialog appears only once there is something to wait for. Should
        // it fail to appear the wait goes on without it, bounded all the same.
        if (!bShown) {
            dialog.Create(NULL);
            dialog.SetStatus("Attempting to shut down service.");
            dialog.SetRange(0, static_cast<int>(kTimeLimitMs));
            bShown = TRUE;
        }
        // Unsigned difference: right across the wrap of the tick count.
        DWORD dwElapsed = Sys().GetTickCount() - dwStart;
        dialog.SetPos(static_cast<int>(dwElapsed));
        if (dwElapsed > kTimeLimitMs) {
            CString strMessage;
            strMessage.Format("Unable to close '%s'", lpszTitle);
            dialog.DestroyWindow();
            Sys().MessageBoxA(NULL, strMessage, "Orrin Uninstall Error", MB_OK);
            return FALSE;
        }
        Sys().Sleep(kPauseMs);
    }
    if (bShown)
        dialog.DestroyWindow();
    return TRUE;
}

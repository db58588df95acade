// Stand-ins for the product's instrumentation host on Windows 95:
//   hostwin window <n> [lifetime ms]  a top-level window titled "Enabling Instrumentation..."
//                                     that closes at the n-th WM_CLOSE (0: never);
//                                     exit code: the number of close requests received
//   hostwin hang [lifetime ms]        that window, whose thread then handles no messages
//   hostwin event [lifetime ms]       holds the event "WIN95_CSERVICE_SHUTDOWN";
//                                     exit code 0 once it is set, 1 when the lifetime ends first
// Each ends by itself after its lifetime (120000 ms unless given), so none
// outlives a test; WM_APP sent to the window ends it at once.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char kTitle[] = "Enabling Instrumentation...";
const char kEventName[] = "WIN95_CSERVICE_SHUTDOWN";
const UINT_PTR kLifetimeTimer = 1;

DWORD g_closeAfter = 0;
DWORD g_requests = 0;

LRESULT CALLBACK WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        ++g_requests;
        if (g_closeAfter != 0 && g_requests >= g_closeAfter)
            ::DestroyWindow(hWnd);
        return 0;
    case WM_TIMER:
    case WM_APP:
        ::DestroyWindow(hWnd);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

HWND CreateHostWindow()
{
    WNDCLASSA wc;
    ZeroMemory(&wc, sizeof wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.hCursor = ::LoadCursorA(NULL, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "PatchWizardHostStandIn";
    if (!::RegisterClassA(&wc))
        return NULL;
    HWND hWnd = ::CreateWindowExA(0, wc.lpszClassName, kTitle, WS_OVERLAPPEDWINDOW, 600, 40, 320, 120, NULL, NULL,
                                  wc.hInstance, NULL);
    // Shown without taking the focus from the wizard.
    if (hWnd != NULL)
        ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    return hWnd;
}

int RunWindow(DWORD lifetimeMs)
{
    HWND hWnd = CreateHostWindow();
    if (hWnd == NULL)
        return -1;
    ::SetTimer(hWnd, kLifetimeTimer, lifetimeMs, NULL);
    MSG msg;
    while (::GetMessageA(&msg, NULL, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return static_cast<int>(g_requests);
}

int RunHungWindow(DWORD lifetimeMs)
{
    if (CreateHostWindow() == NULL)
        return -1;
    ::Sleep(lifetimeMs);
    return 0;
}

int RunEvent(DWORD lifetimeMs)
{
    HANDLE hEvent = ::CreateEventA(NULL, TRUE, FALSE, kEventName);
    if (hEvent == NULL)
        return -1;
    bool set = ::WaitForSingleObject(hEvent, lifetimeMs) == WAIT_OBJECT_0;
    ::CloseHandle(hEvent);
    return set ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    int lifetimeArg = mode == "window" ? 3 : 2;
    DWORD lifetimeMs = argc > lifetimeArg ? std::strtoul(argv[lifetimeArg], NULL, 10) : 120000;
    if (mode == "window" && argc > 2) {
        g_closeAfter = std::strtoul(argv[2], NULL, 10);
        return RunWindow(lifetimeMs);
    }
    if (mode == "hang")
        return RunHungWindow(lifetimeMs);
    if (mode == "event")
        return RunEvent(lifetimeMs);
    std::fprintf(stderr, "usage: hostwin window <n> [ms] | hang [ms] | event [ms]\n");
    return 2;
}

// Keeps a Wine session alive: Wine ends its services shortly after the last
// ordinary process of the prefix has gone, so the tests run one of these.
//   keepalive [ready file]
// It first creates a window, so that the session's desktop process is
// started now, by this process, rather than later by a test whose output
// pipe that process would then hold open. The ready file, when named, is
// created once that is done.
#include <windows.h>

int main(int argc, char** argv)
{
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "keepalive", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    if (argc > 1) {
        HANDLE hReady = ::CreateFileA(argv[1], GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
        if (hReady != INVALID_HANDLE_VALUE)
            ::CloseHandle(hReady);
    }
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        ::Sleep(1000);
    }
    ::DestroyWindow(hWnd);
}

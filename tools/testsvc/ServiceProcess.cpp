#include "ServiceProcess.h"

namespace {

// One service per process, so its state lives here.
std::string g_name;
testsvc::Behaviour g_behaviour = testsvc::StopAtOnce;
DWORD g_delayMs = 0;
SERVICE_STATUS_HANDLE g_hStatus = NULL;
HANDLE g_hStopRequested = NULL;  // the stop control arrived
HANDLE g_hRelease = NULL;        // a test lets the service go, whatever its behaviour

void Report(DWORD state, DWORD controlsAccepted, DWORD waitHint = 0)
{
    SERVICE_STATUS status;
    ZeroMemory(&status, sizeof status);
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwControlsAccepted = controlsAccepted;
    status.dwWaitHint = waitHint;
    ::SetServiceStatus(g_hStatus, &status);
}

DWORD WINAPI Handler(DWORD control, DWORD, LPVOID, LPVOID)
{
    switch (control) {
    case SERVICE_CONTROL_INTERROGATE:
        return NO_ERROR;
    case SERVICE_CONTROL_STOP:
        if (g_behaviour == testsvc::RefuseStop)
            return ERROR_INVALID_SERVICE_CONTROL;
        // Wine ends a service that still says RUNNING after a stop request at
        // the next control, so even the quick stop says STOP_PENDING until
        // the main thread reports it stopped.
        Report(SERVICE_STOP_PENDING, 0, g_behaviour == testsvc::NeverStop ? 60000 : g_delayMs + 1000);
        ::SetEvent(g_hStopRequested);
        return NO_ERROR;
    default:
        return ERROR_CALL_NOT_IMPLEMENTED;
    }
}

void WINAPI ServiceMain(DWORD, LPSTR*)
{
    g_hStatus = ::RegisterServiceCtrlHandlerExA(g_name.c_str(), Handler, NULL);
    if (g_hStatus == NULL)
        return;
    Report(SERVICE_RUNNING, g_behaviour == testsvc::RefuseStop ? 0 : SERVICE_ACCEPT_STOP);

    HANDLE handles[2] = {g_hRelease, g_hStopRequested};
    DWORD which = ::WaitForMultipleObjects(2, handles, FALSE, INFINITE);
    if (which == WAIT_OBJECT_0 + 1) {
        if (g_behaviour == testsvc::StopLate)
            ::WaitForSingleObject(g_hRelease, g_delayMs);
        else if (g_behaviour == testsvc::NeverStop)
            ::WaitForSingleObject(g_hRelease, INFINITE);
    }
    Report(SERVICE_STOPPED, 0);
}

}  // namespace

int RunService(const std::string& name, testsvc::Behaviour behaviour, DWORD delayMs)
{
    g_name = name;
    g_behaviour = behaviour;
    g_delayMs = delayMs;
    g_hStopRequested = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    g_hRelease = ::CreateEventA(NULL, TRUE, FALSE, testsvc::ReleaseEventName(name).c_str());
    if (g_hStopRequested == NULL || g_hRelease == NULL)
        return 1;
    SERVICE_TABLE_ENTRYA table[] = {{&g_name[0], ServiceMain}, {NULL, NULL}};
    int exitCode = ::StartServiceCtrlDispatcherA(table) ? 0 : 1;
    ::CloseHandle(g_hRelease);
    ::CloseHandle(g_hStopRequested);
    return exitCode;
}

#include "TestServices.h"

namespace testsvc {

namespace {

const char* const kBehaviourNames[] = {"stop", "late", "refuse", "never"};
const DWORD kWaitMs = 30000;

// Owns one service manager handle.
class ScHandle {
public:
    explicit ScHandle(SC_HANDLE h) : m_h(h) {}
    ~ScHandle()
    {
        if (m_h != NULL)
            ::CloseServiceHandle(m_h);
    }
    ScHandle(const ScHandle&) = delete;
    ScHandle& operator=(const ScHandle&) = delete;
    operator SC_HANDLE() const { return m_h; }

private:
    SC_HANDLE m_h;
};

DWORD LastErrorOr(DWORD fallback)
{
    DWORD error = ::GetLastError();
    return error != ERROR_SUCCESS ? error : fallback;
}

// The manager and one of its services, opened together; error says why
// either could not be opened.
struct OpenedService {
    OpenedService(const std::string& name, DWORD managerAccess, DWORD serviceAccess)
        : manager(::OpenSCManagerA(NULL, NULL, managerAccess)),
          service(manager != NULL ? ::OpenServiceA(manager, name.c_str(), serviceAccess) : NULL),
          error(service != NULL ? ERROR_SUCCESS : LastErrorOr(ERROR_GEN_FAILURE))
    {
    }
    ScHandle manager;
    ScHandle service;
    DWORD error;
};

DWORD CurrentState(SC_HANDLE hService, DWORD* pState)
{
    SERVICE_STATUS status;
    if (!::QueryServiceStatus(hService, &status))
        return LastErrorOr(ERROR_GEN_FAILURE);
    *pState = status.dwCurrentState;
    return ERROR_SUCCESS;
}

// Polls the recorded state until it is the wanted one.
DWORD WaitForState(SC_HANDLE hService, DWORD wanted)
{
    for (DWORD waited = 0;; waited += 100) {
        SERVICE_STATUS status;
        if (!::QueryServiceStatus(hService, &status))
            return LastErrorOr(ERROR_GEN_FAILURE);
        if (status.dwCurrentState == wanted)
            return ERROR_SUCCESS;
        if (wanted == SERVICE_RUNNING && status.dwCurrentState == SERVICE_STOPPED && waited >= 1000)
            return ERROR_SERVICE_NO_THREAD;
        if (waited >= kWaitMs)
            return ERROR_TIMEOUT;
        ::Sleep(100);
    }
}

}  // namespace

const char* BehaviourName(Behaviour behaviour) { return kBehaviourNames[behaviour]; }

bool ParseBehaviour(const std::string& name, Behaviour* pBehaviour)
{
    for (int i = 0; i < 4; ++i) {
        if (name == kBehaviourNames[i]) {
            *pBehaviour = static_cast<Behaviour>(i);
            return true;
        }
    }
    return false;
}

std::string ReleaseEventName(const std::string& name) { return "PatchWizardTestService." + name; }

DWORD Create(const std::string& exePath, const std::string& name, Behaviour behaviour, DWORD delayMs)
{
    DWORD error = Remove(name);
    if (error != ERROR_SUCCESS)
        return error;
    ScHandle manager(::OpenSCManagerA(NULL, NULL, SC_MANAGER_ALL_ACCESS));
    if (manager == NULL)
        return LastErrorOr(ERROR_GEN_FAILURE);
    std::string commandLine = "\"" + exePath + "\" serve " + name + " " + BehaviourName(behaviour) + " " +
                              std::to_string(delayMs);
    ScHandle service(::CreateServiceA(manager, name.c_str(), name.c_str(), SERVICE_ALL_ACCESS,
                                      SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE,
                                      commandLine.c_str(), NULL, NULL, NULL, NULL, NULL));
    return service != NULL ? ERROR_SUCCESS : LastErrorOr(ERROR_GEN_FAILURE);
}

DWORD Start(const std::string& name)
{
    OpenedService opened(name, SC_MANAGER_ALL_ACCESS, SERVICE_ALL_ACCESS);
    if (opened.error != ERROR_SUCCESS)
        return opened.error;
    SC_HANDLE service = opened.service;
    // Right after a session starts, Wine refuses starts for a few seconds.
    for (DWORD waited = 0;; waited += 250) {
        if (::StartServiceA(service, 0, NULL))
            break;
        DWORD error = ::GetLastError();
        if (error == ERROR_SERVICE_ALREADY_RUNNING)
            break;
        if (error != ERROR_SERVICE_DATABASE_LOCKED || waited >= kWaitMs)
            return error;
        ::Sleep(250);
    }
    return WaitForState(service, SERVICE_RUNNING);
}

DWORD Release(const std::string& name)
{
    OpenedService opened(name, SC_MANAGER_CONNECT, SERVICE_QUERY_STATUS);
    if (opened.error != ERROR_SUCCESS)
        return opened.error;
    DWORD state = 0;
    DWORD error = CurrentState(opened.service, &state);
    if (error != ERROR_SUCCESS || state == SERVICE_STOPPED)
        return error;
    HANDLE hEvent = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, ReleaseEventName(name).c_str());
    if (hEvent != NULL) {
        ::SetEvent(hEvent);
        ::CloseHandle(hEvent);
    }
    return WaitForState(opened.service, SERVICE_STOPPED);
}

DWORD Remove(const std::string& name)
{
    DWORD error = Release(name);
    if (error == ERROR_SERVICE_DOES_NOT_EXIST)
        return ERROR_SUCCESS;
    if (error != ERROR_SUCCESS)
        return error;
    ScHandle manager(::OpenSCManagerA(NULL, NULL, SC_MANAGER_ALL_ACCESS));
    if (manager == NULL)
        return LastErrorOr(ERROR_GEN_FAILURE);
    {
        ScHandle service(::OpenServiceA(manager, name.c_str(), DELETE));
        if (service == NULL)
            return LastErrorOr(ERROR_GEN_FAILURE);
        // Already marked (1072) is fine: it goes with the last handle.
        if (!::DeleteService(service) && ::GetLastError() != ERROR_SERVICE_MARKED_FOR_DELETE)
            return LastErrorOr(ERROR_GEN_FAILURE);
    }
    for (DWORD waited = 0;; waited += 100) {
        ScHandle service(::OpenServiceA(manager, name.c_str(), SERVICE_QUERY_STATUS));
        if (service == NULL && ::GetLastError() == ERROR_SERVICE_DOES_NOT_EXIST)
            return ERROR_SUCCESS;
        if (waited >= kWaitMs)
            return ERROR_SERVICE_MARKED_FOR_DELETE;
        ::Sleep(100);
    }
}

DWORD QueryState(const std::string& name, DWORD* pState)
{
    OpenedService opened(name, SC_MANAGER_CONNECT, SERVICE_QUERY_STATUS);
    if (opened.error != ERROR_SUCCESS)
        return opened.error;
    return CurrentState(opened.service, pState);
}

std::string StateName(DWORD state)
{
    switch (state) {
    case SERVICE_STOPPED: return "stopped";
    case SERVICE_START_PENDING: return "start pending";
    case SERVICE_STOP_PENDING: return "stop pending";
    case SERVICE_RUNNING: return "running";
    case SERVICE_CONTINUE_PENDING: return "continue pending";
    case SERVICE_PAUSE_PENDING: return "pause pending";
    case SERVICE_PAUSED: return "paused";
    default: return "state " + std::to_string(state);
    }
}

}  // namespace testsvc

#include "ServiceFixtures.h"
#include "TestSupport.h"
#include <sstream>

ScopedTestService::ScopedTestService(const std::string& name, testsvc::Behaviour behaviour, DWORD delayMs,
                                     bool start)
    : m_name(name)
{
    m_error = testsvc::Create(ToolPath("testsvc.exe"), name, behaviour, delayMs);
    if (m_error == ERROR_SUCCESS && start)
        m_error = testsvc::Start(name);
}

ScopedTestService::~ScopedTestService() { testsvc::Remove(m_name); }

std::string ServiceState(const std::string& name)
{
    DWORD state = 0;
    DWORD error = testsvc::QueryState(name, &state);
    if (error == ERROR_SERVICE_DOES_NOT_EXIST)
        return "missing";
    if (error != ERROR_SUCCESS)
        return "error " + std::to_string(error);
    return testsvc::StateName(state);
}

std::string ScQueryState(const std::string& name)
{
    std::string output;
    RunCommand("sc query " + name, &output);
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string key, colon, number, state;
        if (words >> key >> colon >> number >> state && key == "STATE")
            return state;
    }
    return "missing";
}

DWORD SendStop(const std::string& name)
{
    SC_HANDLE hManager = ::OpenSCManagerA(NULL, NULL, SC_MANAGER_CONNECT);
    if (hManager == NULL)
        return ::GetLastError();
    DWORD error = ERROR_SUCCESS;
    SC_HANDLE hService = ::OpenServiceA(hManager, name.c_str(), SERVICE_STOP);
    SERVICE_STATUS status;
    if (hService == NULL || !::ControlService(hService, SERVICE_CONTROL_STOP, &status))
        error = ::GetLastError();
    if (hService != NULL)
        ::CloseServiceHandle(hService);
    ::CloseServiceHandle(hManager);
    return error;
}

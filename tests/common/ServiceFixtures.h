#pragma once
#include "TestServices.h"
#include <string>

// A test service for the length of a scope: registered with the behaviour,
// started when asked, and released and deleted at the end of the scope
// (also when the code under test left it stopping or marked for deletion).
class ScopedTestService {
public:
    ScopedTestService(const std::string& name, testsvc::Behaviour behaviour, DWORD delayMs = 0,
                      bool start = true);
    ~ScopedTestService();
    ScopedTestService(const ScopedTestService&) = delete;
    ScopedTestService& operator=(const ScopedTestService&) = delete;

    // ERROR_SUCCESS when the service is set up as asked.
    DWORD SetupError() const { return m_error; }

private:
    std::string m_name;
    DWORD m_error;
};

// The manager's record of the service: "running", "stopped", "stop pending",
// ..., or "missing".
std::string ServiceState(const std::string& name);

// The same through Wine's own sc.exe: the STATE word ("RUNNING",
// "STOPPED", ...), or "missing" when sc finds no such service.
std::string ScQueryState(const std::string& name);

// Sends the stop control and returns at once (the service may go on stopping).
DWORD SendStop(const std::string& name);

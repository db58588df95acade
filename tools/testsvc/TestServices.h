#pragma once
#include <windows.h>
#include <string>

// Test services in the prefix's service manager, set up and checked straight
// on the API (Wine's own sc.exe start is not dependable). Every service runs
// testsvc.exe, which answers the stop control as its behaviour says. All
// functions return a Win32 code, ERROR_SUCCESS when done.
namespace testsvc {

enum Behaviour {
    StopAtOnce,  // stopped as soon as the stop control arrives
    StopLate,    // reports STOP_PENDING for delayMs, then stops
    RefuseStop,  // does not accept the stop control at all
    NeverStop,   // reports STOP_PENDING after the stop control and stays there
};

const char* BehaviourName(Behaviour behaviour);
bool ParseBehaviour(const std::string& name, Behaviour* pBehaviour);

// Registers a demand-start service running exePath with the behaviour;
// an older service of that name is deleted first.
DWORD Create(const std::string& exePath, const std::string& name, Behaviour behaviour, DWORD delayMs = 0);
// Starts it and waits until it runs. Starts refused while the session is
// still settling (1055) are retried.
DWORD Start(const std::string& name);
// Lets the service process stop whatever its behaviour, and waits until
// the manager has it stopped. Nothing to do for a stopped service.
DWORD Release(const std::string& name);
// Releases and deletes the service and waits until it is gone; a missing
// service is no error.
DWORD Remove(const std::string& name);
// The state the manager has recorded (SERVICE_STOPPED, ...); 1060 when the
// service does not exist.
DWORD QueryState(const std::string& name, DWORD* pState);
// "running", "stop pending", ..., or "missing".
std::string StateName(DWORD state);

// The event that releases a running test service.
std::string ReleaseEventName(const std::string& name);

}  // namespace testsvc

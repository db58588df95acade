#pragma once
#include "TestServices.h"

// Runs as the named service under the service manager until it stops;
// returns the process exit code.
int RunService(const std::string& name, testsvc::Behaviour behaviour, DWORD delayMs);

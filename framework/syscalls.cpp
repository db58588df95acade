#include "syscalls.h"

namespace {

const SysCalls kReal = {
    ::GetTickCount,
    ::Sleep,
    ::GetDiskFreeSpaceA,
    ::MessageBoxA,
    ::GetOpenFileNameA,
    ::OpenProcessToken,
    ::LookupPrivilegeValueA,
    ::AdjustTokenPrivileges,
    ::InitiateSystemShutdownA,
    ::ExitWindowsEx,
    ::CloseHandle,
};

const SysCalls* g_current = &kReal;

}  // namespace

const SysCalls& Sys() { return *g_current; }

const SysCalls& RealSysCalls() { return kReal; }

ScopedSysCalls::ScopedSysCalls(const SysCalls& calls) : m_previous(g_current) { g_current = &calls; }

ScopedSysCalls::~ScopedSysCalls() { g_current = m_previous; }

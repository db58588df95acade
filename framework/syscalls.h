#pragma once
#include <windows.h>
#include <commdlg.h>

// The few system calls that a test cannot make for real: they wait for the
// clock, restart the machine, report disk figures no test can arrange, or
// wait for a person. Everything else in the program calls the API directly.
// Production uses the real functions; a test swaps the table for its own
// duration with ScopedSysCalls.
struct SysCalls {
    DWORD (WINAPI* GetTickCount)();
    void (WINAPI* Sleep)(DWORD dwMilliseconds);
    BOOL (WINAPI* GetDiskFreeSpaceA)(LPCSTR lpRootPathName, LPDWORD lpSectorsPerCluster,
                                     LPDWORD lpBytesPerSector, LPDWORD lpNumberOfFreeClusters,
                                     LPDWORD lpTotalNumberOfClusters);
    int (WINAPI* MessageBoxA)(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);
    BOOL (WINAPI* GetOpenFileNameA)(LPOPENFILENAMEA lpofn);
    BOOL (WINAPI* OpenProcessToken)(HANDLE ProcessHandle, DWORD DesiredAccess, PHANDLE TokenHandle);
    BOOL (WINAPI* LookupPrivilegeValueA)(LPCSTR lpSystemName, LPCSTR lpName, PLUID lpLuid);
    // Also sets the thread's last error, which the caller reads right after.
    BOOL (WINAPI* AdjustTokenPrivileges)(HANDLE TokenHandle, BOOL DisableAllPrivileges,
                                         PTOKEN_PRIVILEGES NewState, DWORD BufferLength,
                                         PTOKEN_PRIVILEGES PreviousState, PDWORD ReturnLength);
    BOOL (WINAPI* InitiateSystemShutdownA)(LPSTR lpMachineName, LPSTR lpMessage, DWORD dwTimeout,
                                           BOOL bForceAppsClosed, BOOL bRebootAfterShutdown);
    BOOL (WINAPI* ExitWindowsEx)(UINT uFlags, DWORD dwReason);
    BOOL (WINAPI* CloseHandle)(HANDLE hObject);  // closes the token above
};

// The table in force.
const SysCalls& Sys();

// The real functions.
const SysCalls& RealSysCalls();

// Puts a test's table in force until the end of the scope.
class ScopedSysCalls {
public:
    explicit ScopedSysCalls(const SysCalls& calls);
    ~ScopedSysCalls();
    ScopedSysCalls(const ScopedSysCalls&) = delete;
    ScopedSysCalls& operator=(const ScopedSysCalls&) = delete;

private:
    const SysCalls* m_previous;
};

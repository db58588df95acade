#include "app/MyPropertySheet.h"
#include "res/resource.h"

void CMyPropertySheet::RestartSystem()
{
    if (m_osvi.dwPlatformId != VER_PLATFORM_WIN32_NT) {
        // Windows 95 needs no privilege, and a refusal goes unreported.
        Sys().ExitWindowsEx(EWX_SHUTDOWN | EWX_REBOOT, 0);
        return;
    }

    BOOL bStarted = FALSE;
    HANDLE hToken = NULL;
    if (Sys().OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &hToken)) {
        TOKEN_PRIVILEGES privileges;
        ZeroMemory(&privileges, sizeof privileges);
        Sys().LookupPrivilegeValueA(NULL, "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        Sys().AdjustTokenPrivileges(hToken, FALSE, &privileges, 0, NULL, NULL);
        // AdjustTokenPrivileges succeeds even when the privilege is not held;
        // only the last error tells (ERROR_NOT_ALL_ASSIGNED).
        if (::GetLastError() == ERROR_SUCCESS &&
            Sys().InitiateSystemShutdownA(NULL, NULL, 0, FALSE, TRUE)) {
            bStarted = TRUE;
            privileges.Privileges[0].Attributes = 0;
            Sys().AdjustTokenPrivileges(hToken, FALSE, &privileges, 0, NULL, NULL);
        }
        Sys().CloseHandle(hToken);
    }
    if (!bStarted)
        AfxMessageBox(IDS_RESTART_FAILED, MB_OK, 0);
}

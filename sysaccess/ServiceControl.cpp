#include "sysaccess/ServiceControl.h"
#include "framework/syscalls.h"
#include "ui/ProgressDialog.h"

namespace {

const DWORD kStopTimeoutMs = 60000;
const DWORD kPollMs = 500;

}  // namespace

CServiceControl::CServiceControl() : m_hSCManager(NULL), m_hService(NULL), m_scLock(NULL), m_dwLastError(0) {}

CServiceControl::~CServiceControl()
{
    // Normally CloseAll has run and nothing is left; this covers an early exit.
    CloseAll();
}

BOOL CServiceControl::OpenManager(LPCSTR lpMachineName, LPCSTR lpDatabaseName, DWORD dwDesiredAccess)
{
    if (m_hSCManager != NULL) {
        m_dwLastError = SCERR_MANAGER_OPEN;
        return FALSE;
    }
    m_hSCManager = ::OpenSCManagerA(lpMachineName, lpDatabaseName, dwDesiredAccess);
    if (m_hSCManager == NULL) {
        m_dwLastError = ::GetLastError();
        return FALSE;
    }
    return TRUE;
}

BOOL CServiceControl::LockDatabase()
{
    if (m_scLock != NULL)
        return TRUE;
    m_scLock = ::LockServiceDatabase(m_hSCManager);
    if (m_scLock == NULL) {
        m_dwLastError = ::GetLastError();
        return FALSE;
    }
    return TRUE;
}

BOOL CServiceControl::OpenNamedService(LPCSTR lpServiceName)
{
    if (m_hSCManager == NULL) {
        m_dwLastError = SCERR_NO_MANAGER;
        return FALSE;
    }
    if (m_hService != NULL) {
        m_dwLastError = SCERR_SERVICE_OPEN;
        return FALSE;
    }
    m_hService = ::OpenServiceA(m_hSCManager, lpServiceName, SERVICE_ALL_ACCESS);
    if (m_hService == NULL) {
        m_dwLastError = ::GetLastError();
        return FALSE;
    }
    return TRUE;
}

BOOL CServiceControl::CloseNamedService()
{
    if (m_hService == NULL) {
        m_dwLastError = SCERR_CLOSE_NO_SERVICE;
        return FALSE;
    }
    if (!::CloseServiceHandle(m_hService)) {
        m_dwLastError = ::GetLastError();
        return FALSE;
    }
    m_hService = NULL;
    return TRUE;
}

DWORD CServiceControl::QueryState()
{
    // No guard of its own: with no open service the interrogation fails and
    // the answer is SCERR_QUERY_FAILED.
    SERVICE_STATUS status;
    ZeroMemory(&status, sizeof status);
    if (::ControlService(m_hService, SERVICE_CONTROL_INTERROGATE, &status))
        return status.dwCurrentState;
    m_dwLastError = ::GetLastError();
    return m_dwLastError == ERROR_SERVICE_NOT_ACTIVE ? SERVICE_STOPPED : SCERR_QUERY_FAILED;
}

BOOL CServiceControl::IsRunning()
{
    if (m_hService == NULL) {
        m_dwLastError = SCERR_NO_SERVICE;
        return FALSE;
    }
    SERVICE_STATUS status;
    ZeroMemory(&status, sizeof status);
    if (!::ControlService(m_hService, SERVICE_CONTROL_INTERROGATE, &status)) {
        // A service that is stopping takes no controls (1061): still running.
        m_dwLastError = ::GetLastError();
        return m_dwLastError != ERROR_SERVICE_NOT_ACTIVE;
    }
    return status.dwCurrentState != SERVICE_STOPPED;
}

BOOL CServiceControl::StopAndWait(LPCSTR lpszName)
{
    if (m_hService == NULL) {
        m_dwLastError = SCERR_NO_SERVICE;
        return FALSE;
    }
    if (QueryState() == SERVICE_STOPPED)
        return TRUE;

    // Should the dialog fail to appear, the stop and the bounded wait go on
    // without it: its operations do nothing harmful without a window, the
    // thread's messages are still handled at every poll, and only Cancel is
    // lost, which the 60-second limit makes up for.
    CProgressDialog dialog(0);
    dialog.Create(NULL);
    CString strStatus("Attempting to shut down ");
    strStatus += lpszName;
    dialog.SetStatus(strStatus);
    if (dialog.m_hWnd != NULL)
        dialog.SetWindowText("Shut down Services");

    SERVICE_STATUS status;
    ZeroMemory(&status, sizeof status);
    if (!::ControlService(m_hService, SERVICE_CONTROL_STOP, &status)) {
        m_dwLastError = ::GetLastError();
        return FALSE;  // the dialog goes with its object
    }

    dialog.SetRange(0, static_cast<int>(kStopTimeoutMs));
    const DWORD dwStart = Sys().GetTickCount();
    BOOL bResult = TRUE;
    while (IsRunning()) {
        // Unsigned difference: right across the wrap of the tick count.
        DWORD dwElapsed = Sys().GetTickCount() - dwStart;
        if (dwElapsed > kStopTimeoutMs) {
            m_dwLastError = SCERR_STOP_TIMEOUT;
            bResult = FALSE;
        }
        if (dialog.CheckCancel())
            bResult = FALSE;
        dialog.SetPos(static_cast<int>(dwElapsed));
        Sys().Sleep(kPollMs);
        if (!bResult)
            break;
    }
    dialog.DestroyWindow();
    return bResult;
}

BOOL CServiceControl::RemoveService()
{
    if (m_hService == NULL) {
        m_dwLastError = SCERR_NO_SERVICE;
        return FALSE;
    }
    if (!::DeleteService(m_hService)) {
        m_dwLastError = ::GetLastError();
        return FALSE;
    }
    return TRUE;
}

BOOL CServiceControl::CloseAll()
{
    // Each handle is forgotten once closed, so that nothing is closed twice.
    if (m_hService != NULL) {
        ::CloseServiceHandle(m_hService);
        m_hService = NULL;
    }
    if (m_scLock != NULL) {
        ::UnlockServiceDatabase(m_scLock);
        m_scLock = NULL;
    }
    if (m_hSCManager == NULL)
        return 0;
    BOOL bResult = ::CloseServiceHandle(m_hSCManager);
    m_hSCManager = NULL;
    return bResult;
}

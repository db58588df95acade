#pragma once
#include <windows.h>

// The wrapper's own failure codes, kept in m_dwLastError beside Win32 codes.
// SCERR_QUERY_FAILED is only ever returned by QueryState, never stored.
enum {
    SCERR_MANAGER_OPEN = 21201,      // OpenManager while connected
    SCERR_NO_SERVICE = 21202,        // StopAndWait, RemoveService or IsRunning with no open service
    SCERR_NO_MANAGER = 21203,        // OpenNamedService before OpenManager
    SCERR_SERVICE_OPEN = 21204,      // OpenNamedService while another service is open
    SCERR_CLOSE_NO_SERVICE = 21205,  // CloseNamedService with no open service
    SCERR_QUERY_FAILED = 21206,      // QueryState: interrogation failed, Win32 code in m_dwLastError
    SCERR_STOP_TIMEOUT = 21207,      // StopAndWait gave up after 60000 ms
};

// One connection to the service control manager (Windows NT only), the lock
// on its database and at most one open service, for one removal. Calls are
// expected in the order OpenManager, LockDatabase, then per service
// OpenNamedService, QueryState, StopAndWait and/or RemoveService,
// CloseNamedService, and CloseAll last; calls out of order are refused with
// the codes above without reaching the manager. Nothing here talks to the
// user except the progress dialog of StopAndWait.
class CServiceControl {
public:
    CServiceControl();
    ~CServiceControl();
    CServiceControl(const CServiceControl&) = delete;
    CServiceControl& operator=(const CServiceControl&) = delete;

    BOOL OpenManager(LPCSTR lpMachineName, LPCSTR lpDatabaseName, DWORD dwDesiredAccess);
    // Held until CloseAll; a second call keeps the lock already held.
    BOOL LockDatabase();
    BOOL OpenNamedService(LPCSTR lpServiceName);
    // On failure the handle is kept, so that CloseAll tries again.
    BOOL CloseNamedService();
    // The state that interrogation reports; SERVICE_STOPPED for a service that
    // is not active; SCERR_QUERY_FAILED for any other failure.
    DWORD QueryState();
    // An unreadable service counts as running, so that a wait goes on.
    BOOL IsRunning();
    // Stops the open service and waits up to 60000 ms under a progress
    // dialog; lpszName is what the user reads. FALSE for a refused stop
    // control (its Win32 code kept), a time-out (SCERR_STOP_TIMEOUT) or the
    // user's Cancel (no code of its own).
    BOOL StopAndWait(LPCSTR lpszName);
    // Marks the open service for deletion; it goes when its last handle closes.
    BOOL RemoveService();
    // The last call before the object goes: closes the service, releases the
    // lock, and gives the result of closing the manager (0 when none is open).
    // The destructor does the same for anything still held.
    BOOL CloseAll();

    SC_HANDLE m_hSCManager;
    SC_HANDLE m_hService;
    SC_LOCK m_scLock;
    DWORD m_dwLastError;  // meaningful only right after a failed operation
};

#include "patch/ServiceRemoval.h"
#include "framework/cstring.h"
#include "framework/syscalls.h"
#include "sysaccess/ServiceControl.h"
#include <new>

namespace {

const char kPatchError[] = "Orrin Patch Error";
const char kUninstallError[] = "Orrin Uninstall Error";

// No owner window, so the wizard stays as it is while the user reads.
void Tell(const CString& strText, LPCSTR lpszCaption) { Sys().MessageBoxA(NULL, strText, lpszCaption, MB_OK); }

// Stops one service unless it is stopped already, and deletes it when asked.
// A missing service is reported but is no failure.
BOOL TakeDown(CServiceControl& control, LPCSTR lpszName, BOOL bDelete)
{
    const CString strQuoted = CString("'") + lpszName + "'";
    if (!control.OpenNamedService(lpszName)) {
        if (control.m_dwLastError == ERROR_SERVICE_DOES_NOT_EXIST) {
            Tell(strQuoted + " service was not found.", kPatchError);
            return TRUE;
        }
        Tell("Unable to open " + strQuoted + " service(2)", kPatchError);
        return FALSE;
    }

    BOOL bResult = TRUE;
    DWORD dwState = control.QueryState();
    if (dwState == SCERR_QUERY_FAILED) {
        Tell("Unable to get status of " + strQuoted + " service.", kPatchError);
        bResult = FALSE;
    } else if (dwState != SERVICE_STOPPED && !control.StopAndWait(lpszName)) {
        // Refused, too slow or cancelled: a service still running is not deleted.
        Tell("Unable to stop " + strQuoted + " service.", kPatchError);
        bResult = FALSE;
    } else if (bDelete && !control.RemoveService()) {
        Tell("Unable to remove service " + strQuoted + ".", kUninstallError);
        bResult = FALSE;
    }
    // Closing the last handle is what lets the manager drop a deleted service.
    control.CloseNamedService();
    return bResult;
}

}  // namespace

BOOL RemoveSensorServicesNT()
{
    CServiceControl* pControl = new (std::nothrow) CServiceControl;
    if (pControl == NULL) {
        Tell("Unable to create CServiceControl Object", kPatchError);
        return FALSE;
    }

    BOOL bResult = FALSE;
    if (!pControl->OpenManager(NULL, NULL, SC_MANAGER_ALL_ACCESS)) {
        Tell("Unable to open Service Database.", kPatchError);
    } else if (!pControl->LockDatabase()) {
        Tell("Unable to lock Service Database.", kPatchError);
    } else {
        // The lock keeps the manager from starting either service meanwhile.
        // The driver service is left alone unless the instrumentation is down.
        bResult = TakeDown(*pControl, "probesvc", FALSE);
        if (bResult)
            bResult = TakeDown(*pControl, "TAVRIND", TRUE);
    }
    pControl->CloseAll();
    delete pControl;
    return bResult;
}

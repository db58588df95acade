#include "patch/ServiceRemoval.h"

BOOL ShutDownInstrumentation95()
{
    // The host waits on this event and ends itself once it is set; nothing
    // waits for that to happen.
    HANDLE hEvent = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, "WIN95_CSERVICE_SHUTDOWN");
    if (hEvent != NULL) {
        ::SetEvent(hEvent);
        ::CloseHandle(hEvent);
        return TRUE;
    }
    // A host without the event is asked through its window; one that stays
    // has been reported there and does not stop the removal.
    CloseTopLevelWindowAndWait("Enabling Instrumentation...");
    return TRUE;
}

#pragma once
#include <windows.h>

// Taking down the product's running parts before its driver goes. The paths
// page's members choose the road from the sheet's version record; these do
// the work, so that each road can also be run without a sheet.

// Windows NT: stops "probesvc", then stops and deletes "TAVRIND", each
// failure told in a message box of its own. TRUE when the removal may go on.
BOOL RemoveSensorServicesNT();

// Windows 95: sets the host's shutdown event, or else closes its window.
// Always TRUE: a window that stays has already been reported.
BOOL ShutDownInstrumentation95();

// Sends WM_CLOSE once a second to the top-level window with exactly this
// title until none is left. After 60000 ms tells the user and gives FALSE.
BOOL CloseTopLevelWindowAndWait(LPCSTR lpszTitle);

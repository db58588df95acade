#include "app/MyPropertySheet.h"

// Placeholder until the service removal lands.
BOOL CMyPropertyPage2::RemoveSensorServices() { return FALSE; }
BOOL CMyPropertyPage2::CloseWindowAndWait(LPCSTR) { return FALSE; }

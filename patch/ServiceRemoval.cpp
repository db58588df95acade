#include "app/MyPropertySheet.h"
#include "patch/ServiceRemoval.h"

BOOL CMyPropertyPage2::RemoveSensorServices()
{
    // Only Windows NT has services; every other platform takes the Windows 95 way.
    if (SheetOf(this)->m_osvi.dwPlatformId == VER_PLATFORM_WIN32_NT)
        return RemoveSensorServicesNT();
    return ShutDownInstrumentation95();
}

BOOL CMyPropertyPage2::CloseWindowAndWait(LPCSTR lpszTitle) { return CloseTopLevelWindowAndWait(lpszTitle); }

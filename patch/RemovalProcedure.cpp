#include "app/MyPropertySheet.h"
#include "sysaccess/RegistryKey.h"

namespace {

// The sensor driver file under the Windows directory. Empty when the
// directory does not fit the buffer: a cut path must never name a file.
CString DriverFilePath(const OSVERSIONINFOA& osvi)
{
    char szWindowsDir[MAX_PATH];
    UINT n = ::GetWindowsDirectoryA(szWindowsDir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return CString();
    return CString(szWindowsDir) + (osvi.dwPlatformId == VER_PLATFORM_WIN32_NT ? "\\system32\\drivers\\tavrind.sys"
                                                                               : "\\system\\tavrind.vxd");
}

}  // namespace

BOOL CMyPropertyPage2::OnWizardFinish()
{
    CMyPropertySheet* pSheet = SheetOf(this);

    // The marker lives in the driver service's own key, which the service
    // manager deletes together with the service: read after the services,
    // it would be gone and the product's key would stay behind.
    const BOOL bDriverSetUp = IsSensorDriverSetUp();

    // Services first, then the registry, then the file; a failed step is not undone.
    BOOL bSuccess = FALSE;
    if (RemoveSensorServices()) {
        if (bDriverSetUp)
            RemoveSensorRegistryEntries();
        CString strDriverFile = DriverFilePath(pSheet->m_osvi);
        bSuccess = !strDriverFile.IsEmpty() && pSheet->ForceDeleteFile(strDriverFile);
    }

    if (bSuccess) {
        if (AfxMessageBox("The support for I2C was successfully removed.  Do you want to reboot now to finish the patch?",
                          MB_YESNO, 0) == IDYES)
            pSheet->RestartSystem();
    } else {
        AfxMessageBox("Patch Wizard was unable to complete the patch. \r\n"
                      "Please uninstall Orrin Client Manager and rerun this utility.",
                      MB_OK, 0);
    }
    // The wizard closes whatever the outcome.
    return TRUE;
}

BOOL CMyPropertyPage2::IsSensorDriverSetUp()
{
    // Only a REG_DWORD of that name counts; its value does not matter.
    CRegistryKey key(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services");
    DWORD dwChip = 0;
    return key.ReadDWord("TAVRIND\\Parameters", "Chip 306", &dwChip);
}

void CMyPropertyPage2::RemoveSensorRegistryEntries()
{
    CRegistryKey key(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services");
    // Deepest key first: a key with subkeys cannot be deleted. Failures are not reported.
    key.DeleteSubKey("TAVRIND\\Parameters");
    key.DeleteSubKey("TAVRIND");
    key.SetRoot(HKEY_LOCAL_MACHINE, "SOFTWARE\\Dravik\\Orrin Client Manager");
    key.DeleteSubKey("TAVRIND");
}

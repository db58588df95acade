#include "app/MyPropertySheet.h"

// Placeholder until the staging lands.
LRESULT CMyPropertyPage2::OnWizardNext() { return -1; }
BOOL CMyPropertyPage2::CheckSetupFiles(CString) { return FALSE; }
BOOL CMyPropertyPage2::DirectoryExists(CString) { return FALSE; }
BOOL CMyPropertyPage2::CopySetupFile(CString) { return FALSE; }

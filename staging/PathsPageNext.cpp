#include "app/MyPropertySheet.h"
#include "res/resource.h"
#include "staging/FreeSpace.h"
#include "staging/SameDirectory.h"
#include "ui/ProgressDialog.h"

namespace {

const char kNotLocalDrive[] = "Please choose a local drive to copy the setup files to.";
const char kNotEnoughSpace[] = "You do not have enough space on this drive.  Please choose another.";
const char kTempIsSetupDir[] = "The temporary directory cannot be the setup directory.  Please choose another.";

bool IsDriveLetter(char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }

// A drive whose free space cannot be found out is given the benefit of the
// doubt: the staging goes on.
bool EnoughSpaceOnDrive(char chDrive)
{
    char szRoot[] = {chDrive, ':', '\\', '\0'};
    DWORD dwSectorsPerCluster = 0, dwBytesPerSector = 0, dwFreeClusters = 0, dwTotalClusters = 0;
    if (!Sys().GetDiskFreeSpaceA(szRoot, &dwSectorsPerCluster, &dwBytesPerSector, &dwFreeClusters,
                                 &dwTotalClusters))
        return true;
    return FreeKilobytes(dwSectorsPerCluster, dwBytesPerSector, dwFreeClusters) >= kMinFreeKilobytes;
}

}  // namespace

// Stages the setup set into the temporary directory: -1 keeps the wizard on
// this page, 0 moves on to the launch page.
LRESULT CMyPropertyPage2::OnWizardNext()
{
    CMyPropertySheet* pSheet = SheetOf(this);
    const int nCount = pSheet->m_setupFiles.GetSize();

    CString strTempDir, strSetupDir;
    m_editTempPath.GetWindowText(strTempDir);
    if (strTempDir.IsEmpty())
        return -1;
    m_editSetupPath.GetWindowText(strSetupDir);
    if (strSetupDir.IsEmpty())
        return -1;

    // Staging into the setup directory would copy each file onto itself, and
    // the clean-up would then delete the user's own setup files. Refused
    // before the paths are stored, so that the clean-up never aims there.
    if (IsSameDirectory(strTempDir, strSetupDir)) {
        AfxMessageBox(kTempIsSetupDir);
        return -1;
    }

    // From here on the clean-up acts on this directory, whatever follows.
    pSheet->m_strTempDir = strTempDir;
    pSheet->m_strSetupDir = strSetupDir;

    // Every early return destroys the dialog, which enables the wizard again.
    CProgressDialog progress(0);
    progress.Create(this);
    progress.SetRange(0, nCount);

    if (!CheckSetupFiles(strSetupDir)) {
        CString strMessage;
        AfxFormatString1(strMessage, IDS_SETUP_FILES_MISSING, strSetupDir);
        AfxMessageBox(strMessage);
        return -1;
    }

    // Only the last component is created; a missing parent makes every copy
    // below fail unseen, and the wizard still moves on.
    if (!DirectoryExists(strTempDir))
        ::CreateDirectoryA(strTempDir, NULL);

    if (!IsDriveLetter(strTempDir.GetAt(0))) {
        AfxMessageBox(kNotLocalDrive);
        return -1;
    }
    if (!EnoughSpaceOnDrive(strTempDir.GetAt(0))) {
        AfxMessageBox(kNotEnoughSpace);
        return -1;
    }

    for (int i = 0; i < nCount; ++i) {
        CString strName = pSheet->m_setupFiles[i];
        CString strStatus = "Copying " + strName;
        // A Cancel pressed during the previous copy takes effect here; what
        // was staged so far stays until the clean-up.
        if (progress.CheckCancel())
            return -1;
        progress.SetPos(i);
        progress.SetStatus(strStatus);
        CopySetupFile(strName);
    }

    progress.DestroyWindow();
    return CPropertyPage::OnWizardNext();
}

#include "pages/SetupDirRule.h"

CString SetupDirFromChosenPath(const CString& strChosenPath)
{
    int nIndex = strChosenPath.Find("Setup.exe");
    if (nIndex == -1)
        nIndex = strChosenPath.Find("setup.exe");
    if (nIndex == -1)
        return strChosenPath;
    // Drop the backslash in front of the name as well.
    return strChosenPath.Left(nIndex - 1);
}

CString BrowseInitialFileName(const CString& strSetupDir) { return strSetupDir + "\\" + "*.*"; }

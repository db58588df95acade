#include "app/MyPropertySheet.h"

BOOL CMyPropertyPage2::CheckSetupFiles(CString strSetupDir)
{
    const CStringArray& files = SheetOf(this)->m_setupFiles;
    BOOL bAllThere = TRUE;
    // Entry 0 is the board file, which the program carries itself: the CD's
    // set starts at entry 1. Every name is looked at, even after a miss.
    for (int i = 1; i < files.GetSize(); ++i) {
        WIN32_FIND_DATAA findData;
        HANDLE hFind = ::FindFirstFileA(strSetupDir + "\\" + files[i], &findData);
        if (hFind == INVALID_HANDLE_VALUE) {
            bAllThere = FALSE;
            continue;
        }
        ::FindClose(hFind);
    }
    return bAllThere;
}

BOOL CMyPropertyPage2::DirectoryExists(CString strPath)
{
    // A trailing backslash or a bare drive root finds nothing and so reads
    // as missing; creating it then fails harmlessly.
    WIN32_FIND_DATAA findData;
    HANDLE hFind = ::FindFirstFileA(strPath, &findData);
    if (hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    ::FindClose(hFind);
    return (findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

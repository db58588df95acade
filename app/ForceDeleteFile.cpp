#include "app/MyPropertySheet.h"

BOOL CMyPropertySheet::ForceDeleteFile(const CString& strPath)
{
    WIN32_FIND_DATAA findData;
    HANDLE hFind = ::FindFirstFileA(strPath, &findData);
    if (hFind == INVALID_HANDLE_VALUE)
        return FALSE;
    // Read-only, hidden and system files go too.
    ::SetFileAttributesA(strPath, FILE_ATTRIBUTE_NORMAL);
    BOOL bDeleted = ::DeleteFileA(strPath);
    ::FindClose(hFind);
    return bDeleted;
}

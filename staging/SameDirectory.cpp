#include "staging/SameDirectory.h"

namespace {

// Length of the part of a full path that is not looked up name by name:
// "C:\" or "\\server\share\"; 0 for a form this code does not know.
int RootLength(LPCSTR pszPath)
{
    if (pszPath[0] != '\0' && pszPath[1] == ':' && pszPath[2] == '\\')
        return 3;
    if (pszPath[0] == '\\' && pszPath[1] == '\\') {
        int nSeparators = 0;
        for (int i = 2; pszPath[i] != '\0'; ++i)
            if (pszPath[i] == '\\' && ++nSeparators == 2)
                return i + 1;
    }
    return 0;
}

// Each component replaced by its name on disk, which is the long name even
// when a short one was typed, for as long as the components exist. Always
// ends in a backslash, so that "C:\CD" and "C:\CD\" come out the same.
CString OnDiskForm(LPCSTR pszFull)
{
    int nRoot = RootLength(pszFull);
    if (nRoot == 0)
        return CString(pszFull) + "\\";
    CString strResult(pszFull, nRoot);
    bool bResolving = true;
    for (LPCSTR p = pszFull + nRoot; *p != '\0';) {
        LPCSTR pEnd = p;
        while (*pEnd != '\0' && *pEnd != '\\')
            ++pEnd;
        CString strComponent(p, static_cast<int>(pEnd - p));
        if (!strComponent.IsEmpty()) {
            // A wildcard would make the search find some other entry.
            bool bPlain = strComponent.Find("*") < 0 && strComponent.Find("?") < 0;
            WIN32_FIND_DATAA findData;
            HANDLE hFind = INVALID_HANDLE_VALUE;
            if (bResolving && bPlain)
                hFind = ::FindFirstFileA(strResult + strComponent, &findData);
            if (hFind != INVALID_HANDLE_VALUE) {
                strResult += findData.cFileName;
                ::FindClose(hFind);
            } else {
                strResult += strComponent;
                bResolving = false;
            }
            strResult += '\\';
        }
        p = *pEnd != '\0' ? pEnd + 1 : pEnd;
    }
    return strResult;
}

CString ComparableForm(const CString& strPath)
{
    char szFull[MAX_PATH];
    LPSTR pszFilePart = NULL;
    DWORD n = ::GetFullPathNameA(strPath, MAX_PATH, szFull, &pszFilePart);
    if (n != 0 && n < MAX_PATH)
        return OnDiskForm(szFull);
    // Too long or malformed for the system: the text as typed, without its
    // trailing backslashes.
    int nLength = strPath.GetLength();
    while (nLength > 0 && strPath.GetAt(nLength - 1) == '\\')
        --nLength;
    return strPath.Left(nLength) + "\\";
}

}  // namespace

BOOL IsSameDirectory(const CString& strFirst, const CString& strSecond)
{
    return ::lstrcmpiA(ComparableForm(strFirst), ComparableForm(strSecond)) == 0;
}

#include "cfile.h"

int CFileException::OsErrorToCause(LONG lOsError)
{
    switch (lOsError) {
    case ERROR_SUCCESS:
        return none;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return fileNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return accessDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return diskFull;
    default:
        return generic;
    }
}

namespace {

void ThrowLastError(LPCSTR lpszFileName)
{
    LONG lError = static_cast<LONG>(::GetLastError());
    throw new CFileException(CFileException::OsErrorToCause(lError), lError, lpszFileName);
}

}  // namespace

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags)
{
    if (!Open(lpszFileName, nOpenFlags))
        ThrowLastError(lpszFileName);
}

CFile::~CFile()
{
    if (m_hFile != INVALID_HANDLE_VALUE)
        ::CloseHandle(m_hFile);
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    DWORD dwAccess = GENERIC_READ;
    switch (nOpenFlags & 3) {
    case modeWrite:
        dwAccess = GENERIC_WRITE;
        break;
    case modeReadWrite:
        dwAccess = GENERIC_READ | GENERIC_WRITE;
        break;
    default:
        break;
    }
    DWORD dwShare = 0;
    switch (nOpenFlags & 0x70) {
    case shareDenyWrite:
        dwShare = FILE_SHARE_READ;
        break;
    case shareDenyRead:
        dwShare = FILE_SHARE_WRITE;
        break;
    case shareDenyNone:
        dwShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
        break;
    default:
        break;
    }
    DWORD dwDisposition = (nOpenFlags & modeCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    m_hFile = ::CreateFileA(lpszFileName, dwAccess, dwShare, NULL, dwDisposition, FILE_ATTRIBUTE_NORMAL, NULL);
    if (m_hFile == INVALID_HANDLE_VALUE) {
        if (pError != NULL) {
            pError->m_lOsError = static_cast<LONG>(::GetLastError());
            pError->m_cause = CFileException::OsErrorToCause(pError->m_lOsError);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_strFileName = lpszFileName;
    return TRUE;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    DWORD dwWritten = 0;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &dwWritten, NULL))
        ThrowLastError(m_strFileName);
    if (dwWritten != nCount)
        throw new CFileException(CFileException::diskFull, ERROR_DISK_FULL, m_strFileName);
}

void CFile::Close()
{
    HANDLE hFile = m_hFile;
    m_hFile = INVALID_HANDLE_VALUE;
    if (hFile != INVALID_HANDLE_VALUE && !::CloseHandle(hFile))
        ThrowLastError(m_strFileName);
}

#pragma once
#include "cobject.h"
#include "cstring.h"

// Why a file operation failed; thrown by pointer, and the catcher calls Delete.
class CFileException : public CObject {
public:
    enum { none = 0, generic = 1, fileNotFound = 2, accessDenied = 5, diskFull = 14 };
    CFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
        : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName) {}
    void Delete() { delete this; }
    static int OsErrorToCause(LONG lOsError);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

// A file handle. Failures of the constructor, Write and Close throw
// CFileException*; the destructor closes silently.
class CFile : public CObject {
public:
    enum OpenFlags {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        typeBinary = 0x8000,
    };

    CFile() = default;
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    // FALSE on failure, with the reason in *pError when given.
    BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);
    void Write(const void* lpBuf, UINT nCount);
    void Close();

    HANDLE m_hFile = INVALID_HANDLE_VALUE;

private:
    CString m_strFileName;
};

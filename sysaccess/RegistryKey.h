#pragma once
#include "framework/afxwin.h"

// One registry location: a predefined root key plus a base path, to which
// each operation appends the subkey it is given. Every public operation opens
// the key it needs and closes it again before returning, so no handle is held
// between calls. Nothing is shown to the user; failures give 0.
class CRegistryKey : public CObject {
public:
    CRegistryKey(HKEY hRootKey, LPCSTR pszBasePath);
    ~CRegistryKey() override = default;

    // Lets one object go on to a second location; only while closed.
    void SetRoot(HKEY hRootKey, LPCSTR pszBasePath);

    // A REG_SZ or REG_EXPAND_SZ value, unexpanded; strValue is left unchanged
    // when the value is missing or of another type.
    BOOL ReadString(LPCSTR pszSubKey, LPCSTR pszValueName, CString& strValue);
    // A REG_DWORD value; *pdwValue is left unchanged when the value is
    // missing, of another type, or not exactly four bytes long.
    BOOL ReadDWord(LPCSTR pszSubKey, LPCSTR pszValueName, DWORD* pdwValue);
    // Deletes one key (not one with subkeys). The key of the base path is
    // opened for this, and created first if it is missing.
    BOOL DeleteSubKey(LPCSTR pszSubKey);

    // The building blocks of the operations above.
    // Composes m_strKeyPath and opens the key (KEY_READ) or creates it (any other mask).
    BOOL Open(LPCSTR pszSubKey, REGSAM samDesired);
    BOOL OpenKey(REGSAM samDesired);
    BOOL CreateKey(REGSAM samDesired);
    // TRUE when the value exists with type dwType; type and size are recorded either way.
    BOOL QueryValueType(DWORD dwType, LPCSTR pszValueName);
    LONG Close();

    HKEY m_hRootKey;
    CString m_strBasePath;
    CString m_strSubPath;  // optional middle part of the path; empty in this program
    HKEY m_hKey = NULL;
    DWORD m_cbData = 0;
    DWORD m_dwType = 0;
    CString m_strKeyPath;
};

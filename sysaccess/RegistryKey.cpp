#include "sysaccess/RegistryKey.h"

CRegistryKey::CRegistryKey(HKEY hRootKey, LPCSTR pszBasePath)
    : m_hRootKey(hRootKey), m_strBasePath(pszBasePath)
{
}

void CRegistryKey::SetRoot(HKEY hRootKey, LPCSTR pszBasePath)
{
    m_hRootKey = hRootKey;
    m_strBasePath = pszBasePath;
}

BOOL CRegistryKey::Open(LPCSTR pszSubKey, REGSAM samDesired)
{
    CString path = m_strBasePath;
    if (!m_strSubPath.IsEmpty())
        path = path + "\\" + m_strSubPath;
    if (pszSubKey != NULL && *pszSubKey != '\0')
        path = path + "\\" + pszSubKey;
    int nSkip = 0;
    while (nSkip < path.GetLength() && path.GetAt(nSkip) == '\\')
        ++nSkip;
    m_strKeyPath = static_cast<LPCSTR>(path) + nSkip;

    // Reading must never leave a key behind; every other use may create the path.
    if (samDesired == KEY_READ)
        return OpenKey(samDesired);
    return CreateKey(samDesired);
}

BOOL CRegistryKey::OpenKey(REGSAM samDesired)
{
    return ::RegOpenKeyExA(m_hRootKey, m_strKeyPath, 0, samDesired, &m_hKey) == ERROR_SUCCESS;
}

BOOL CRegistryKey::CreateKey(REGSAM samDesired)
{
    DWORD dwDisposition = 0;
    return ::RegCreateKeyExA(m_hRootKey, m_strKeyPath, 0, NULL, REG_OPTION_NON_VOLATILE, samDesired, NULL,
                             &m_hKey, &dwDisposition) == ERROR_SUCCESS;
}

BOOL CRegistryKey::QueryValueType(DWORD dwType, LPCSTR pszValueName)
{
    LONG lResult = ::RegQueryValueExA(m_hKey, pszValueName, NULL, &m_dwType, NULL, &m_cbData);
    return lResult == ERROR_SUCCESS && m_dwType == dwType;
}

LONG CRegistryKey::Close()
{
    m_dwType = 0;
    m_cbData = 0;
    LONG lResult = ::RegCloseKey(m_hKey);
    m_hKey = NULL;
    return lResult;
}

BOOL CRegistryKey::ReadString(LPCSTR pszSubKey, LPCSTR pszValueName, CString& strValue)
{
    if (!Open(pszSubKey, KEY_READ))
        return FALSE;
    if (!QueryValueType(REG_SZ, pszValueName) && !QueryValueType(REG_EXPAND_SZ, pszValueName)) {
        Close();
        return FALSE;
    }
    // Read into a copy, so that a failed read leaves the caller's string as it was.
    CString value;
    DWORD cbBuffer = m_cbData;
    LPSTR pBuffer = value.GetBuffer(static_cast<int>(cbBuffer));
    LONG lResult = ::RegQueryValueExA(m_hKey, pszValueName, NULL, &m_dwType,
                                      reinterpret_cast<LPBYTE>(pBuffer), &cbBuffer);
    value.ReleaseBuffer();
    Close();
    if (lResult != ERROR_SUCCESS)
        return FALSE;
    strValue = value;
    return TRUE;
}

BOOL CRegistryKey::ReadDWord(LPCSTR pszSubKey, LPCSTR pszValueName, DWORD* pdwValue)
{
    if (!Open(pszSubKey, KEY_READ))
        return FALSE;
    LONG lResult = ERROR_INVALID_DATA;
    // A REG_DWORD stored with another length than four bytes is refused: the
    // destination holds exactly one DWORD.
    if (QueryValueType(REG_DWORD, pszValueName) && m_cbData == sizeof(DWORD)) {
        DWORD cbData = sizeof(DWORD);
        lResult = ::RegQueryValueExA(m_hKey, pszValueName, NULL, &m_dwType, reinterpret_cast<LPBYTE>(pdwValue),
                                     &cbData);
    }
    Close();
    return lResult == ERROR_SUCCESS;
}

BOOL CRegistryKey::DeleteSubKey(LPCSTR pszSubKey)
{
    if (!Open("", KEY_ALL_ACCESS))
        return FALSE;
    BOOL bResult = ::RegDeleteKeyA(m_hKey, pszSubKey) == ERROR_SUCCESS;
    Close();
    return bResult;
}

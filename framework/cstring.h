#pragma once
#include <windows.h>
#include <string>

// ANSI string with the operations the program uses. Lengths are byte counts;
// an embedded NUL ends the string for every Win32 call, as on the platform.
class CString {
public:
    CString() = default;
    CString(LPCSTR psz) : m_str(psz ? psz : "") {}
    CString(LPCSTR pch, int nLength) : m_str(pch, nLength > 0 ? nLength : 0) {}

    operator LPCSTR() const { return m_str.c_str(); }
    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    char GetAt(int nIndex) const { return m_str.at(nIndex); }

    CString& operator=(LPCSTR psz) { m_str = psz ? psz : ""; return *this; }
    CString& operator+=(LPCSTR psz) { m_str += psz ? psz : ""; return *this; }
    CString& operator+=(char ch) { m_str += ch; return *this; }
    friend CString operator+(const CString& a, LPCSTR b) { CString r(a); r += b; return r; }
    friend CString operator+(LPCSTR a, const CString& b) { CString r(a); r += b; return r; }
    friend CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
    friend bool operator==(const CString& a, LPCSTR b) { return a.m_str == (b ? b : ""); }
    friend bool operator!=(const CString& a, LPCSTR b) { return !(a == b); }

    // Index of the first occurrence of pszSub, case-sensitive; -1 if absent.
    int Find(LPCSTR pszSub) const;
    CString Left(int nCount) const;

    // Writable buffer of at least nMinLength characters plus a NUL;
    // ReleaseBuffer() then takes the length from the first NUL.
    LPSTR GetBuffer(int nMinLength);
    void ReleaseBuffer();

    // Loads a string resource of the program; FALSE (and empty) if missing.
    BOOL LoadString(UINT nID);
    void Format(LPCSTR pszFormat, ...);

private:
    std::string m_str;
};

#include "cstring.h"
#include <cstdarg>
#include <cstdio>
#include <cstring>

int CString::Find(LPCSTR pszSub) const
{
    size_t pos = m_str.find(pszSub ? pszSub : "");
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString CString::Left(int nCount) const
{
    if (nCount <= 0)
        return CString();
    return CString(m_str.substr(0, static_cast<size_t>(nCount)).c_str());
}

LPSTR CString::GetBuffer(int nMinLength)
{
    size_t wanted = nMinLength > 0 ? static_cast<size_t>(nMinLength) : 0;
    if (m_str.size() < wanted)
        m_str.resize(wanted);
    // std::string keeps a NUL behind size(), so the caller may write size()+1 bytes.
    return &m_str[0];
}

void CString::ReleaseBuffer()
{
    m_str.resize(std::strlen(m_str.c_str()));
}

BOOL CString::LoadString(UINT nID)
{
    char buffer[1024];
    int n = ::LoadStringA(::GetModuleHandleA(NULL), nID, buffer, sizeof buffer);
    m_str.assign(buffer, n > 0 ? static_cast<size_t>(n) : 0);
    return n > 0;
}

void CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, pszFormat, copy);
    va_end(copy);
    std::string out(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0)
        std::vsnprintf(&out[0], out.size() + 1, pszFormat, args);
    va_end(args);
    m_str = out;
}

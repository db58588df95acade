#include "msgbox.h"
#include "cwinapp.h"
#include "cwnd.h"
#include "syscalls.h"

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT)
{
    if ((nType & MB_ICONMASK) == 0) {
        switch (nType & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        default:
            break;
        }
    }
    return Sys().MessageBoxA(CWnd::GetSafeOwner(NULL), lpszText, AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType, nIDHelp);
}

CString AfxFormatStrings(LPCSTR lpszFormat, LPCSTR const* rglpsz, int nString)
{
    CString result;
    for (LPCSTR p = lpszFormat; *p; ++p) {
        if (p[0] == '%' && p[1] >= '1' && p[1] <= '9') {
            int i = p[1] - '1';
            if (i < nString) {
                result += rglpsz[i];
                ++p;
                continue;
            }
        }
        result += *p;
    }
    return result;
}

void AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1)
{
    CString format;
    format.LoadString(nIDS);
    rString = AfxFormatStrings(format, &lpsz1, 1);
}

void AfxFormatString2(CString& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2)
{
    CString format;
    format.LoadString(nIDS);
    LPCSTR args[2] = {lpsz1, lpsz2};
    rString = AfxFormatStrings(format, args, 2);
}

#pragma once
#include "cstring.h"

// Message box captioned with the application's name; an exclamation icon is
// added when no icon is asked for and the buttons are OK, OK/Cancel, Yes/No
// or Yes/No/Cancel.
int AfxMessageBox(LPCSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// String resource nIDS with %1 (and %2) replaced.
void AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1);
void AfxFormatString2(CString& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2);
// The same on a given pattern: %1 to %9 take the arguments, other text stays.
CString AfxFormatStrings(LPCSTR lpszFormat, LPCSTR const* rglpsz, int nString);

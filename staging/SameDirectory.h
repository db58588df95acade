#pragma once
#include "framework/afxwin.h"

// TRUE when the two paths name the same directory however each is written:
// letter case, a trailing backslash, forward slashes, a relative path or
// short 8.3 names. Both are made full and long before a case-insensitive
// comparison; a path that cannot be resolved is compared as typed.
BOOL IsSameDirectory(const CString& strFirst, const CString& strSecond);

#pragma once
#include "framework/cstring.h"

// The setup directory for a setup program chosen in the Open dialog: the
// path up to the backslash before "Setup.exe" (or, failing that,
// "setup.exe"), both matched case-sensitively. A path holding neither is
// kept whole; an empty path stays empty.
CString SetupDirFromChosenPath(const CString& strChosenPath);

// The initial file name the Open dialog is given for a setup directory.
CString BrowseInitialFileName(const CString& strSetupDir);

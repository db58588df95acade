#pragma once
#include "framework/afxwin.h"

// The application: runs the wizard once and ends.
class CPatchWizardApp : public CWinApp {
public:
    CPatchWizardApp() : CWinApp(NULL) {}
    BOOL InitInstance() override;
};

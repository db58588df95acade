#pragma once
#include "framework/afxwin.h"

// Third page of the setup road: Next starts the staged setup program.
class CMyPropertyPage3 : public CPropertyPage {
public:
    CMyPropertyPage3();

    BOOL OnSetActive() override;
    LRESULT OnWizardNext() override;
};

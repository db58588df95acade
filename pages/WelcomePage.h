#pragma once
#include "framework/afxwin.h"

// First page: decides once per run whether the product is installed and
// explains what the wizard will do.
class CMyPropertyPage1 : public CPropertyPage {
public:
    CMyPropertyPage1();
    ~CMyPropertyPage1() override = default;

    CString m_strWelcomeText;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
};

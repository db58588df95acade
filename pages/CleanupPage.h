#pragma once
#include "framework/afxwin.h"

// Last page of the setup road: names the temporary directory whose staged
// files go when the wizard closes.
class CMyPropertyPage4 : public CPropertyPage {
public:
    CMyPropertyPage4();

    CEdit m_editTempDir;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
};

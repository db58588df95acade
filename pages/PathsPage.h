#pragma once
#include "framework/afxwin.h"

// Second page. Installed: one sentence and Finish, which takes the sensor
// support out of the product. Not installed: the setup and temporary
// directories and Next, which stages the setup files.
class CMyPropertyPage2 : public CPropertyPage {
public:
    CMyPropertyPage2();
    ~CMyPropertyPage2() override = default;

    CStatic m_staticTempHelp;
    CEdit m_editTempPath;
    CStatic m_staticTempLabel;
    CButton m_btnBrowseTemp;
    CStatic m_staticRemoveText;
    CStatic m_staticSetupLabel;
    CStatic m_staticSetupHelp;
    CButton m_btnBrowseSetup;
    CEdit m_editSetupPath;

    // The setup road (staging).
    LRESULT OnWizardNext() override;
    BOOL CheckSetupFiles(CString strSetupDir);
    BOOL DirectoryExists(CString strPath);
    BOOL CopySetupFile(CString strName);

    // The removal road.
    BOOL OnWizardFinish() override;
    // The "Chip 306" marker: the sensor driver is set up, its keys may go.
    BOOL IsSensorDriverSetUp();
    // Deletes the driver's two service keys and the product's TAVRIND key.
    void RemoveSensorRegistryEntries();
    BOOL RemoveSensorServices();
    BOOL CloseWindowAndWait(LPCSTR lpszTitle);

    void OnBrowseSetup();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

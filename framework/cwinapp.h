#pragma once
#include "cobject.h"
#include "cstring.h"

class CWnd;

// The application. Exactly one global object derives from it; the entry
// point runs its InitInstance and ends the program when that returns FALSE.
class CWinApp : public CObject {
public:
    // NULL names the application after the program file, without extension.
    explicit CWinApp(LPCSTR lpszAppName = NULL);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    // The message loop, entered only when InitInstance returns TRUE.
    virtual int Run();

    // Asks for the three-dimensional look of dialogs; the systems this program
    // runs on draw it already, so there is nothing left to do.
    BOOL Enable3dControlsStatic() { return TRUE; }

    CWnd* m_pMainWnd = NULL;
    LPCSTR m_pszAppName = NULL;

private:
    CString m_strAppName;
};

CWinApp* AfxGetApp();
// The application's name: the caption of every framework message box.
LPCSTR AfxGetAppName();
// Runs the application object; the program's entry point calls it.
int AfxWinMain();

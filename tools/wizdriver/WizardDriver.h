#pragma once
#include <windows.h>
#include <string>
#include <vector>

// Does what a person does with the wizard, from another process: starts it,
// reads the texts and states of the controls on the current page, types into
// edits, presses wizard buttons, reads and answers message boxes, and takes
// screenshots. Every wait is bounded and polls; nothing here blocks forever.
class WizardDriver {
public:
    enum Button { Back, Next, Finish, Cancel };
    struct Buttons {
        bool back = false, next = false, finish = false, cancel = false;
    };
    struct MessageBoxInfo {
        HWND hWnd = NULL;
        std::string caption;
        std::string text;
        std::vector<int> buttons;  // ids of the visible buttons (IDOK, IDYES, ...)
    };

    WizardDriver() = default;
    ~WizardDriver();
    WizardDriver(const WizardDriver&) = delete;
    WizardDriver& operator=(const WizardDriver&) = delete;

    bool Start(const std::string& exePath);
    // Drives a wizard already running in the given process (this one, say).
    void AttachTo(DWORD processId) { m_processId = processId; }
    bool WaitForSheet(DWORD timeoutMs = 30000);
    HWND Sheet() const { return m_hSheet; }
    HWND CurrentPage() const;
    // The text of the sheet window (the wizard shows the page's caption there).
    std::string SheetTitle() const;

    // Controls of the current page.
    HWND Control(int id) const;
    std::string ControlText(int id) const;
    bool ControlVisible(int id) const;
    bool ControlEnabled(int id) const;
    bool TypeText(int id, const std::string& text);
    bool ClickButton(int id);

    // Wizard buttons that are both visible and enabled.
    Buttons WizardButtons() const;
    bool Press(Button button);
    // Waits until the current page is not the given one.
    bool WaitForPageChange(HWND hOldPage, DWORD timeoutMs = 30000) const;

    // A top-level window of the wizard's process with the given title.
    HWND FindProcessWindow(const std::string& title) const;
    bool WaitForMessageBox(MessageBoxInfo& info, DWORD timeoutMs = 30000) const;
    // Presses a message box button and waits for the box to go.
    bool AnswerMessageBox(const MessageBoxInfo& info, int buttonId) const;

    // Saves the window's area of the screen as a 24-bit BMP.
    static bool Screenshot(HWND hWnd, const std::string& path);

    bool WaitForExit(DWORD timeoutMs, DWORD* pExitCode = NULL);
    bool Running() const;
    void Kill();
    DWORD ProcessId() const { return m_processId; }

    static std::string WindowText(HWND hWnd);
    static void Pause(DWORD ms) { ::Sleep(ms); }

private:
    HANDLE m_hProcess = NULL;
    DWORD m_processId = 0;
    HWND m_hSheet = NULL;
};

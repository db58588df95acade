#pragma once
#include <windows.h>
#include <string>

// A test tool running beside the test (a stand-in host window, an event
// holder). Whatever is still running when the object goes is ended.
class ToolProcess {
public:
    ToolProcess() = default;
    ~ToolProcess();
    ToolProcess(const ToolProcess&) = delete;
    ToolProcess& operator=(const ToolProcess&) = delete;

    // Starts ToolPath(exeName) with the arguments, without waiting.
    bool Start(const std::string& exeName, const std::string& arguments);
    // True when it ended within the time; its exit code goes to *pExitCode.
    bool WaitForExit(DWORD timeoutMs, DWORD* pExitCode = NULL);
    void Kill();

private:
    HANDLE m_hProcess = NULL;
};

// Polls for a top-level window with this title (any process); NULL when none comes in time.
HWND WaitForTopLevelWindow(const std::string& title, DWORD timeoutMs = 10000);
// Polls until the named event can be opened; false when it does not appear in time.
bool WaitForNamedEvent(const std::string& name, DWORD timeoutMs = 10000);

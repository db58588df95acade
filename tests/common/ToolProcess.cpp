#include "ToolProcess.h"
#include "TestSupport.h"

ToolProcess::~ToolProcess()
{
    Kill();
    if (m_hProcess != NULL)
        ::CloseHandle(m_hProcess);
}

bool ToolProcess::Start(const std::string& exeName, const std::string& arguments)
{
    std::string exe = ToolPath(exeName);
    std::string commandLine = "\"" + exe + "\" " + arguments;
    STARTUPINFOA si;
    ZeroMemory(&si, sizeof si);
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    if (!::CreateProcessA(exe.c_str(), &commandLine[0], NULL, NULL, FALSE, CREATE_NO_WINDOW, NULL, NULL, &si, &pi))
        return false;
    ::CloseHandle(pi.hThread);
    m_hProcess = pi.hProcess;
    return true;
}

bool ToolProcess::WaitForExit(DWORD timeoutMs, DWORD* pExitCode)
{
    if (m_hProcess == NULL || ::WaitForSingleObject(m_hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (pExitCode != NULL)
        ::GetExitCodeProcess(m_hProcess, pExitCode);
    return true;
}

void ToolProcess::Kill()
{
    if (m_hProcess != NULL && ::WaitForSingleObject(m_hProcess, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_hProcess, 99);
        ::WaitForSingleObject(m_hProcess, 5000);
    }
}

HWND WaitForTopLevelWindow(const std::string& title, DWORD timeoutMs)
{
    for (DWORD waited = 0;; waited += 50) {
        if (HWND hWnd = ::FindWindowA(NULL, title.c_str()))
            return hWnd;
        if (waited >= timeoutMs)
            return NULL;
        ::Sleep(50);
    }
}

bool WaitForNamedEvent(const std::string& name, DWORD timeoutMs)
{
    for (DWORD waited = 0;; waited += 50) {
        if (HANDLE hEvent = ::OpenEventA(SYNCHRONIZE, FALSE, name.c_str())) {
            ::CloseHandle(hEvent);
            return true;
        }
        if (waited >= timeoutMs)
            return false;
        ::Sleep(50);
    }
}

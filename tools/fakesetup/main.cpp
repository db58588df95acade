// Stands in for the product's setup program, which the wizard stages and
// starts. With PW_FAKESETUP_LOG set (the tests) it appends one line to that
// file: its own module path, a tab, its command line. Without it (a person
// walking the demo) it says what it is and where it was started from.
#include <windows.h>
#include <string>

namespace {

const char kLogVariable[] = "PW_FAKESETUP_LOG";

std::string ModulePath()
{
    char path[MAX_PATH + 1] = "";
    DWORD n = ::GetModuleFileNameA(NULL, path, MAX_PATH);
    return std::string(path, n < MAX_PATH ? n : MAX_PATH);
}

bool AppendRecord(const std::string& logPath, const std::string& record)
{
    // Shared and appended in one write, so two instances started close
    // together each leave a whole line.
    HANDLE hLog = ::CreateFileA(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hLog == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = ::WriteFile(hLog, record.data(), static_cast<DWORD>(record.size()), &written, NULL) &&
              written == record.size();
    ::CloseHandle(hLog);
    return ok;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::string module = ModulePath();
    const std::string commandLine = ::GetCommandLineA();

    char logPath[MAX_PATH + 1] = "";
    DWORD n = ::GetEnvironmentVariableA(kLogVariable, logPath, sizeof logPath);
    if (n > 0 && n < sizeof logPath)
        return AppendRecord(logPath, module + "\t" + commandLine + "\r\n") ? 0 : 1;

    std::string text = "This is PatchWizard's stand-in for the Orrin Client Manager setup program. "
                       "It installs nothing.\r\n\r\nStarted from:\r\n" +
                       module + "\r\n\r\nCommand line:\r\n" + commandLine;
    ::MessageBoxA(NULL, text.c_str(), "Stand-in setup program", MB_OK | MB_ICONINFORMATION);
    return 0;
}

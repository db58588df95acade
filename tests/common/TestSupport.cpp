#include "TestSupport.h"
#include <vector>

std::string PatchWizardExe() { return PW_EXE_PATH; }

std::string ToolPath(const std::string& exeName) { return std::string(PW_TOOLS_PATH) + "\\" + exeName; }

int RunCommand(const std::string& commandLine, std::string* pOutput, DWORD timeoutMs)
{
    SECURITY_ATTRIBUTES sa = {sizeof sa, NULL, TRUE};
    HANDLE hRead = NULL, hWrite = NULL;
    if (!::CreatePipe(&hRead, &hWrite, &sa, 0))
        return -1;
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si;
    ZeroMemory(&si, sizeof si);
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hWrite;
    si.hStdError = hWrite;
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi;
    std::string line = commandLine;
    BOOL started = ::CreateProcessA(NULL, &line[0], NULL, NULL, TRUE, CREATE_NO_WINDOW, NULL, NULL, &si, &pi);
    ::CloseHandle(hWrite);
    if (!started) {
        ::CloseHandle(hRead);
        return -1;
    }
    std::string output;
    char buffer[4096];
    DWORD n = 0;
    while (::ReadFile(hRead, buffer, sizeof buffer, &n, NULL) && n > 0)
        output.append(buffer, n);
    ::CloseHandle(hRead);
    DWORD exitCode = static_cast<DWORD>(-1);
    if (::WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(pi.hProcess, &exitCode);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    if (pOutput != NULL)
        *pOutput = output;
    return static_cast<int>(exitCode);
}

bool KeyExists(HKEY hRoot, const std::string& path)
{
    HKEY hKey = NULL;
    if (::RegOpenKeyExA(hRoot, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hKey);
    return true;
}

void DeleteKeyTree(HKEY hRoot, const std::string& path)
{
    HKEY hKey = NULL;
    if (::RegOpenKeyExA(hRoot, path.c_str(), 0, KEY_ALL_ACCESS, &hKey) != ERROR_SUCCESS)
        return;
    std::vector<std::string> children;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD size = sizeof name;
        if (::RegEnumKeyExA(hKey, i, name, &size, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
            break;
        children.push_back(name);
    }
    ::RegCloseKey(hKey);
    for (const std::string& child : children)
        DeleteKeyTree(hRoot, path + "\\" + child);
    ::RegDeleteKeyA(hRoot, path.c_str());
}

bool SetBinaryValue(HKEY hRoot, const std::string& path, const std::string& name, DWORD type, const void* data,
                    DWORD size)
{
    HKEY hKey = NULL;
    if (::RegCreateKeyExA(hRoot, path.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &hKey, NULL) != ERROR_SUCCESS)
        return false;
    bool ok = ::RegSetValueExA(hKey, name.c_str(), 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
    ::RegCloseKey(hKey);
    return ok;
}

bool SetStringValue(HKEY hRoot, const std::string& path, const std::string& name, const std::string& value,
                    DWORD type)
{
    return SetBinaryValue(hRoot, path, name, type, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

bool SetDWordValue(HKEY hRoot, const std::string& path, const std::string& name, DWORD value)
{
    return SetBinaryValue(hRoot, path, name, REG_DWORD, &value, sizeof value);
}

bool ValueExists(HKEY hRoot, const std::string& path, const std::string& name)
{
    HKEY hKey = NULL;
    if (::RegOpenKeyExA(hRoot, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    bool exists = ::RegQueryValueExA(hKey, name.c_str(), NULL, NULL, NULL, NULL) == ERROR_SUCCESS;
    ::RegCloseKey(hKey);
    return exists;
}

std::string TempFolder()
{
    char path[MAX_PATH] = "";
    DWORD n = ::GetTempPathA(MAX_PATH, path);
    std::string result(path, n);
    if (!result.empty() && result.back() == '\\')
        result.pop_back();
    return result;
}

std::string MakeScratchDir(const std::string& name)
{
    std::string path = TempFolder() + "\\" + name;
    RemoveTree(path);
    ::CreateDirectoryA(path.c_str(), NULL);
    return path;
}

bool FileExists(const std::string& path)
{
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirExists(const std::string& path)
{
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WriteFile(const std::string& path, const std::string& content)
{
    HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = ::WriteFile(hFile, content.data(), static_cast<DWORD>(content.size()), &written, NULL) &&
              written == content.size();
    ::CloseHandle(hFile);
    return ok;
}

std::string ReadFile(const std::string& path)
{
    HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return std::string();
    std::string content;
    char buffer[65536];
    DWORD n = 0;
    while (::ReadFile(hFile, buffer, sizeof buffer, &n, NULL) && n > 0)
        content.append(buffer, n);
    ::CloseHandle(hFile);
    return content;
}

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA data;
    HANDLE hFind = ::FindFirstFileA((path + "\\*").c_str(), &data);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..")
                continue;
            std::string child = path + "\\" + name;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(child.c_str());
            }
        } while (::FindNextFileA(hFind, &data));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryA(path.c_str());
}

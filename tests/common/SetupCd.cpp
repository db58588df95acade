#include "SetupCd.h"
#include "TestSupport.h"
#include <tlhelp32.h>

const char* const kStagedNames[8] = {"Kt718vn.alf", "_inst32i.ex_", "_setup.dll", "_setup.lib",
                                     "data.z",      "Setup.exe",    "Setup.ins",  "setup.pkg"};

namespace {

const char kLogVariable[] = "PW_FAKESETUP_LOG";

std::string BaseName(const std::string& path)
{
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool ProcessRunning(const std::string& exeName)
{
    HANDLE hSnapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = ::Process32First(hSnapshot, &entry); more && !found; more = ::Process32Next(hSnapshot, &entry))
        found = SamePath(BaseName(entry.szExeFile), exeName);
    ::CloseHandle(hSnapshot);
    return found;
}

}  // namespace

std::string MakeSetupCd(const std::string& name, const std::string& omit, size_t dataSize)
{
    std::string dir = MakeScratchDir(name);
    for (int i = 1; i < 8; ++i) {
        std::string file = kStagedNames[i];
        if (file == omit)
            continue;
        std::string path = dir + "\\" + file;
        if (file == "Setup.exe") {
            ::CopyFileA(ToolPath("fakesetup.exe").c_str(), path.c_str(), FALSE);
        } else if (file == "data.z" && dataSize > 0) {
            std::string data(dataSize, '\0');
            for (size_t j = 0; j < dataSize; ++j)
                data[j] = static_cast<char>((j * 131 + j / 4096) & 0xFF);
            WriteFile(path, data);
        } else {
            WriteFile(path, "CD stand-in: " + file + "\r\n");
        }
    }
    return dir;
}

std::string BoardFileBytes() { return ReadFile(std::string(PW_SOURCE_PATH) + "\\res\\Kt718vn.alf"); }

int StagedCount(const std::string& dir)
{
    if (!DirExists(dir))
        return -1;
    int count = 0;
    for (const char* name : kStagedNames)
        count += FileExists(dir + "\\" + name) ? 1 : 0;
    return count;
}

bool SamePath(const std::string& a, const std::string& b) { return ::lstrcmpiA(a.c_str(), b.c_str()) == 0; }

FakeSetupLog::FakeSetupLog() : m_path(TempFolder() + "\\fakesetup-runs.log")
{
    ::DeleteFileA(m_path.c_str());
    ::SetEnvironmentVariableA(kLogVariable, m_path.c_str());
}

FakeSetupLog::~FakeSetupLog()
{
    ::SetEnvironmentVariableA(kLogVariable, NULL);
    ::DeleteFileA(m_path.c_str());
}

std::vector<FakeSetupLog::Run> FakeSetupLog::Runs() const
{
    std::vector<Run> runs;
    std::string log = ReadFile(m_path);
    size_t start = 0;
    for (size_t end; (end = log.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::string line = log.substr(start, end - start);
        size_t tab = line.find('\t');
        if (tab != std::string::npos)
            runs.push_back(Run{line.substr(0, tab), line.substr(tab + 1)});
    }
    return runs;
}

bool FakeSetupLog::WaitForRuns(size_t count, DWORD timeoutMs) const
{
    for (DWORD waited = 0; waited <= timeoutMs; waited += 100) {
        std::vector<Run> runs = Runs();
        bool running = false;
        for (const Run& run : runs)
            running = running || ProcessRunning(BaseName(run.module));
        if (runs.size() >= count && !running)
            return true;
        ::Sleep(100);
    }
    return false;
}

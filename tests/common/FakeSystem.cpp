#include "FakeSystem.h"
#include <stdexcept>

const HANDLE kFakeToken = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(0x7A11));

namespace {
FakeSystem* g_pFake = nullptr;
}

FakeSystem::FakeSystem()
{
    if (g_pFake != nullptr)
        throw std::logic_error("one FakeSystem at a time");
    g_pFake = this;
    m_calls = RealSysCalls();
    m_calls.GetTickCount = FakeGetTickCount;
    m_calls.Sleep = FakeSleep;
    m_calls.GetDiskFreeSpaceA = FakeGetDiskFreeSpaceA;
    m_calls.MessageBoxA = FakeMessageBoxA;
    m_calls.GetOpenFileNameA = FakeGetOpenFileNameA;
    m_calls.OpenProcessToken = FakeOpenProcessToken;
    m_calls.LookupPrivilegeValueA = FakeLookupPrivilegeValueA;
    m_calls.AdjustTokenPrivileges = FakeAdjustTokenPrivileges;
    m_calls.InitiateSystemShutdownA = FakeInitiateSystemShutdownA;
    m_calls.ExitWindowsEx = FakeExitWindowsEx;
    m_calls.CloseHandle = FakeCloseHandle;
    m_pScope = new ScopedSysCalls(m_calls);
}

FakeSystem::~FakeSystem()
{
    delete m_pScope;
    g_pFake = nullptr;
}

FakeSystem* FakeSystem::Current() { return g_pFake; }

void FakeSystem::Record(const std::string& name, std::vector<unsigned long long> args)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_callsMade.push_back(Call{name, std::move(args)});
}

std::vector<FakeSystem::Message> FakeSystem::Messages() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_messages;
}

void FakeSystem::QueueAnswer(int answer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_answers.push_back(answer);
}

void FakeSystem::UseFakeClock(DWORD start, DWORD stepPerTick)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_fakeClock = true;
    m_now = start;
    m_step = stepPerTick;
}

DWORD FakeSystem::Now() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_now;
}

void FakeSystem::SetFreeSpace(DWORD sectorsPerCluster, DWORD bytesPerSector, DWORD freeClusters,
                              DWORD totalClusters)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_fakeDisk = true;
    m_diskFails = false;
    m_disk[0] = sectorsPerCluster;
    m_disk[1] = bytesPerSector;
    m_disk[2] = freeClusters;
    m_disk[3] = totalClusters;
}

void FakeSystem::FailFreeSpace()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_fakeDisk = true;
    m_diskFails = true;
}

std::vector<std::string> FakeSystem::FreeSpaceRoots() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_roots;
}

std::vector<FakeSystem::Call> FakeSystem::Calls() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_callsMade;
}

DWORD WINAPI FakeSystem::FakeGetTickCount()
{
    FakeSystem* self = Current();
    std::lock_guard<std::mutex> lock(self->m_mutex);
    if (!self->m_fakeClock)
        return ::GetTickCount();
    DWORD now = self->m_now;
    self->m_now += self->m_step;
    return now;
}

void WINAPI FakeSystem::FakeSleep(DWORD ms)
{
    FakeSystem* self = Current();
    bool fakeClock;
    {
        std::lock_guard<std::mutex> lock(self->m_mutex);
        fakeClock = self->m_fakeClock;
        if (fakeClock)
            self->m_now += ms;
    }
    if (!fakeClock)
        ::Sleep(ms);
    if (self->onSleep)
        self->onSleep(ms);
}

BOOL WINAPI FakeSystem::FakeGetDiskFreeSpaceA(LPCSTR root, LPDWORD sectorsPerCluster, LPDWORD bytesPerSector,
                                              LPDWORD freeClusters, LPDWORD totalClusters)
{
    FakeSystem* self = Current();
    {
        std::lock_guard<std::mutex> lock(self->m_mutex);
        self->m_roots.push_back(root ? root : "<null>");
        if (self->m_fakeDisk) {
            if (self->m_diskFails) {
                ::SetLastError(ERROR_NOT_READY);
                return FALSE;
            }
            *sectorsPerCluster = self->m_disk[0];
            *bytesPerSector = self->m_disk[1];
            *freeClusters = self->m_disk[2];
            *totalClusters = self->m_disk[3];
            return TRUE;
        }
    }
    return ::GetDiskFreeSpaceA(root, sectorsPerCluster, bytesPerSector, freeClusters, totalClusters);
}

int WINAPI FakeSystem::FakeMessageBoxA(HWND hOwner, LPCSTR text, LPCSTR caption, UINT type)
{
    FakeSystem* self = Current();
    Message message{hOwner, text ? text : "", caption ? caption : "", type};
    if (self->onMessageBox)
        self->onMessageBox(message);
    std::lock_guard<std::mutex> lock(self->m_mutex);
    self->m_messages.push_back(message);
    if (!self->m_answers.empty()) {
        int answer = self->m_answers.front();
        self->m_answers.erase(self->m_answers.begin());
        return answer;
    }
    return (type & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
}

BOOL WINAPI FakeSystem::FakeGetOpenFileNameA(LPOPENFILENAMEA ofn)
{
    FakeSystem* self = Current();
    self->fileDialogInitialName = ofn->lpstrFile ? ofn->lpstrFile : "";
    self->fileDialogFlags = ofn->Flags;
    self->fileDialogOwner = ofn->hwndOwner;
    self->fileDialogFilter.clear();
    if (const char* p = ofn->lpstrFilter) {
        while (*p) {
            self->fileDialogFilter += p;
            self->fileDialogFilter += '|';
            p += lstrlenA(p) + 1;
        }
    }
    if (!self->fileDialogResult)
        return FALSE;
    lstrcpynA(ofn->lpstrFile, self->fileDialogChoice.c_str(), ofn->nMaxFile);
    return TRUE;
}

BOOL WINAPI FakeSystem::FakeOpenProcessToken(HANDLE process, DWORD access, PHANDLE token)
{
    FakeSystem* self = Current();
    self->Record("OpenProcessToken", {reinterpret_cast<ULONG_PTR>(process), access});
    if (!self->openTokenResult) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    *token = kFakeToken;
    return TRUE;
}

BOOL WINAPI FakeSystem::FakeLookupPrivilegeValueA(LPCSTR system, LPCSTR name, PLUID luid)
{
    Current()->Record(std::string("LookupPrivilegeValueA:") + (name ? name : ""),
                      {reinterpret_cast<ULONG_PTR>(system)});
    luid->LowPart = 19;  // the shutdown privilege's value on Windows NT
    luid->HighPart = 0;
    return TRUE;
}

BOOL WINAPI FakeSystem::FakeAdjustTokenPrivileges(HANDLE token, BOOL disableAll, PTOKEN_PRIVILEGES state,
                                                  DWORD length, PTOKEN_PRIVILEGES previous, PDWORD returned)
{
    FakeSystem* self = Current();
    self->Record("AdjustTokenPrivileges",
                 {reinterpret_cast<ULONG_PTR>(token), static_cast<unsigned long long>(disableAll),
                  state ? state->PrivilegeCount : 0, state ? state->Privileges[0].Luid.LowPart : 0,
                  state ? state->Privileges[0].Attributes : 0, length, reinterpret_cast<ULONG_PTR>(previous),
                  reinterpret_cast<ULONG_PTR>(returned)});
    // Like the real call: success, with the verdict in the last error.
    ::SetLastError(self->adjustPrivilegesError);
    return TRUE;
}

BOOL WINAPI FakeSystem::FakeInitiateSystemShutdownA(LPSTR machine, LPSTR message, DWORD timeout, BOOL force,
                                                    BOOL reboot)
{
    FakeSystem* self = Current();
    self->Record("InitiateSystemShutdownA",
                 {reinterpret_cast<ULONG_PTR>(machine), reinterpret_cast<ULONG_PTR>(message), timeout,
                  static_cast<unsigned long long>(force), static_cast<unsigned long long>(reboot)});
    return self->shutdownResult;
}

BOOL WINAPI FakeSystem::FakeExitWindowsEx(UINT flags, DWORD reason)
{
    FakeSystem* self = Current();
    self->Record("ExitWindowsEx", {flags, reason});
    return self->exitWindowsResult;
}

BOOL WINAPI FakeSystem::FakeCloseHandle(HANDLE handle)
{
    if (handle == kFakeToken) {
        Current()->Record("CloseHandle", {reinterpret_cast<ULONG_PTR>(handle)});
        return TRUE;
    }
    return ::CloseHandle(handle);
}

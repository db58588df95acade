#pragma once
#include "framework/syscalls.h"
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// A recording stand-in for the calls that a test cannot make for real, in
// force for the object's lifetime (one at a time). Message boxes, the file
// dialog, the token and the shutdown calls are always faked, so no test ever
// waits for a person or restarts the machine. The clock and the disk figures
// stay real unless a test asks for fakes.
class FakeSystem {
public:
    struct Message {
        HWND hOwner;
        std::string text;
        std::string caption;
        UINT type;
    };
    struct Call {
        std::string name;  // "AdjustTokenPrivileges", "InitiateSystemShutdownA", ...
        std::vector<unsigned long long> args;
    };

    FakeSystem();
    ~FakeSystem();
    FakeSystem(const FakeSystem&) = delete;
    FakeSystem& operator=(const FakeSystem&) = delete;

    // Message boxes: each is recorded and answered with the next queued
    // answer, or IDOK (IDNO for Yes/No boxes) when none is queued.
    std::vector<Message> Messages() const;
    void QueueAnswer(int answer);
    // Runs on the thread that shows the box, before it is answered.
    std::function<void(const Message&)> onMessageBox;

    // The clock: from now on GetTickCount starts at start and Sleep only
    // moves it on (plus stepPerTick on each GetTickCount), returning at once.
    void UseFakeClock(DWORD start, DWORD stepPerTick = 0);
    DWORD Now() const;
    std::function<void(DWORD ms)> onSleep;  // runs after the fake clock moved on

    // The disk: GetDiskFreeSpaceA reports these figures for every root
    // (or fails), and records the roots it was asked about.
    void SetFreeSpace(DWORD sectorsPerCluster, DWORD bytesPerSector, DWORD freeClusters, DWORD totalClusters);
    void FailFreeSpace();
    std::vector<std::string> FreeSpaceRoots() const;

    // The file dialog: what it was given and what it answers.
    BOOL fileDialogResult = FALSE;
    std::string fileDialogChoice;
    std::string fileDialogInitialName;  // recorded
    DWORD fileDialogFlags = 0;          // recorded
    std::string fileDialogFilter;       // recorded, NULs shown as '|'
    HWND fileDialogOwner = NULL;        // recorded

    // The token and the restart.
    BOOL openTokenResult = TRUE;
    DWORD adjustPrivilegesError = ERROR_SUCCESS;  // the last error AdjustTokenPrivileges leaves
    BOOL shutdownResult = TRUE;
    BOOL exitWindowsResult = TRUE;
    std::vector<Call> Calls() const;

private:
    static FakeSystem* Current();
    static DWORD WINAPI FakeGetTickCount();
    static void WINAPI FakeSleep(DWORD ms);
    static BOOL WINAPI FakeGetDiskFreeSpaceA(LPCSTR, LPDWORD, LPDWORD, LPDWORD, LPDWORD);
    static int WINAPI FakeMessageBoxA(HWND, LPCSTR, LPCSTR, UINT);
    static BOOL WINAPI FakeGetOpenFileNameA(LPOPENFILENAMEA);
    static BOOL WINAPI FakeOpenProcessToken(HANDLE, DWORD, PHANDLE);
    static BOOL WINAPI FakeLookupPrivilegeValueA(LPCSTR, LPCSTR, PLUID);
    static BOOL WINAPI FakeAdjustTokenPrivileges(HANDLE, BOOL, PTOKEN_PRIVILEGES, DWORD, PTOKEN_PRIVILEGES, PDWORD);
    static BOOL WINAPI FakeInitiateSystemShutdownA(LPSTR, LPSTR, DWORD, BOOL, BOOL);
    static BOOL WINAPI FakeExitWindowsEx(UINT, DWORD);
    static BOOL WINAPI FakeCloseHandle(HANDLE);

    void Record(const std::string& name, std::vector<unsigned long long> args);

    mutable std::mutex m_mutex;
    SysCalls m_calls;
    ScopedSysCalls* m_pScope = nullptr;
    std::vector<Message> m_messages;
    std::vector<int> m_answers;
    std::vector<Call> m_callsMade;
    std::vector<std::string> m_roots;
    bool m_fakeClock = false;
    DWORD m_now = 0;
    DWORD m_step = 0;
    bool m_fakeDisk = false;
    bool m_diskFails = false;
    DWORD m_disk[4] = {0, 0, 0, 0};
};

// The token handle the fake hands out.
extern const HANDLE kFakeToken;

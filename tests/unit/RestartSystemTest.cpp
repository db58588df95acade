#include "FakeSystem.h"
#include "app/MyPropertySheet.h"
#include <gtest/gtest.h>
#include <cstdio>

// The restart through the seam: the token, privilege and shutdown calls are
// recorded, never made.

namespace {

std::string Render(const FakeSystem::Call& call)
{
    std::string text = call.name + "(";
    for (size_t i = 0; i < call.args.size(); ++i) {
        char number[24];
        std::snprintf(number, sizeof number, "%s%llx", i ? "," : "", call.args[i]);
        text += number;
    }
    return text + ")";
}

// Process pseudo-handle, TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY.
const char kOpen[] = "OpenProcessToken(ffffffffffffffff,28)";
const char kLookup[] = "LookupPrivilegeValueA:SeShutdownPrivilege(0)";
// The fake token, no disable-all, one entry: the shutdown privilege (19) and
// its attributes, no previous state wanted.
const char kEnable[] = "AdjustTokenPrivileges(7a11,0,1,13,2,0,0,0)";
const char kDisable[] = "AdjustTokenPrivileges(7a11,0,1,13,0,0,0,0)";
// This machine, no message, no time-out, no forcing, restart.
const char kShutdown[] = "InitiateSystemShutdownA(0,0,0,0,1)";
const char kClose[] = "CloseHandle(7a11)";
// EWX_SHUTDOWN | EWX_REBOOT, no reason.
const char kExitWindows[] = "ExitWindowsEx(3,0)";

struct Case {
    const char* name;
    DWORD platform;
    BOOL tokenOpens;
    DWORD adjustError;
    BOOL shutdownAccepted;
    BOOL exitWindowsAccepted;
    std::vector<std::string> calls;
    bool message;
};

}  // namespace

TEST(RestartSystem, AsksTheSystemToRestartTheWayThePlatformWants)
{
    const Case cases[] = {
        {"NT, privilege granted", VER_PLATFORM_WIN32_NT, TRUE, ERROR_SUCCESS, TRUE, TRUE,
         {kOpen, kLookup, kEnable, kShutdown, kDisable, kClose}, false},
        {"NT, privilege not held", VER_PLATFORM_WIN32_NT, TRUE, ERROR_NOT_ALL_ASSIGNED, TRUE, TRUE,
         {kOpen, kLookup, kEnable, kClose}, true},
        {"NT, token not opened", VER_PLATFORM_WIN32_NT, FALSE, ERROR_SUCCESS, TRUE, TRUE, {kOpen}, true},
        {"NT, shutdown refused", VER_PLATFORM_WIN32_NT, TRUE, ERROR_SUCCESS, FALSE, TRUE,
         {kOpen, kLookup, kEnable, kShutdown, kClose}, true},
        {"Windows 95", VER_PLATFORM_WIN32_WINDOWS, TRUE, ERROR_SUCCESS, TRUE, TRUE, {kExitWindows}, false},
        {"Windows 95, restart refused", VER_PLATFORM_WIN32_WINDOWS, TRUE, ERROR_SUCCESS, TRUE, FALSE,
         {kExitWindows}, false},
        {"Win32s", VER_PLATFORM_WIN32s, TRUE, ERROR_SUCCESS, TRUE, TRUE, {kExitWindows}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMyPropertySheet sheet(NULL);
        sheet.m_osvi.dwPlatformId = c.platform;
        FakeSystem fake;
        fake.openTokenResult = c.tokenOpens;
        fake.adjustPrivilegesError = c.adjustError;
        fake.shutdownResult = c.shutdownAccepted;
        fake.exitWindowsResult = c.exitWindowsAccepted;

        sheet.RestartSystem();

        std::vector<std::string> calls;
        for (const FakeSystem::Call& call : fake.Calls())
            calls.push_back(Render(call));
        EXPECT_EQ(c.calls, calls);
        std::vector<FakeSystem::Message> messages = fake.Messages();
        ASSERT_EQ(c.message ? 1u : 0u, messages.size());
        if (c.message) {
            EXPECT_EQ("Unable to restart machine.  Please reboot manually.", messages[0].text);
            EXPECT_EQ(AfxGetAppName(), messages[0].caption);
            EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONEXCLAMATION), messages[0].type);
        }
    }
}

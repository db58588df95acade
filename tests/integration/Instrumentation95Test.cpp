#include "FakeSystem.h"
#include "ProgressWatch.h"
#include "ToolProcess.h"
#include "patch/ServiceRemoval.h"
#include <gtest/gtest.h>

namespace {

const char kHostTitle[] = "Enabling Instrumentation...";
const char kEventName[] = "WIN95_CSERVICE_SHUTDOWN";
const char kNeverClosed[] = "Orrin Uninstall Error: Unable to close 'Enabling Instrumentation...'";

std::vector<std::string> MessagesOf(const FakeSystem& fake)
{
    std::vector<std::string> messages;
    for (const FakeSystem::Message& m : fake.Messages()) {
        EXPECT_EQ(NULL, m.hOwner);
        EXPECT_EQ(static_cast<UINT>(MB_OK), m.type);
        messages.push_back(m.caption + ": " + m.text);
    }
    return messages;
}

// Starts the stand-in host window; it answers the given number of close requests.
bool StartHost(ToolProcess& host, const std::string& arguments)
{
    return host.Start("hostwin.exe", arguments) && WaitForTopLevelWindow(kHostTitle) != NULL;
}

// Ends the host and gives the number of close requests it received.
DWORD RequestsReceived(ToolProcess& host)
{
    if (HWND hWnd = FindWindowA(NULL, kHostTitle))
        PostMessageA(hWnd, WM_APP, 0, 0);
    DWORD requests = 0;
    EXPECT_TRUE(host.WaitForExit(10000, &requests));
    return requests;
}

}  // namespace

// The event is the host's own way to be told: it is set, and the window is
// not even looked for.
TEST(Instrumentation95, SetsTheShutdownEventWhenTheHostHasOne)
{
    HANDLE hEvent = CreateEventA(NULL, TRUE, FALSE, kEventName);
    ASSERT_TRUE(hEvent != NULL);
    ToolProcess host;
    ASSERT_TRUE(StartHost(host, "window 1"));
    FakeSystem fake;
    int sleeps = 0;
    fake.onSleep = [&](DWORD) { ++sleeps; };

    EXPECT_TRUE(ShutDownInstrumentation95());

    EXPECT_EQ(static_cast<DWORD>(WAIT_OBJECT_0), WaitForSingleObject(hEvent, 0));
    EXPECT_TRUE(MessagesOf(fake).empty());
    EXPECT_EQ(0, sleeps);
    EXPECT_EQ(0u, RequestsReceived(host));
    CloseHandle(hEvent);
}

TEST(Instrumentation95, NothingToDoWithoutEventOrWindow)
{
    ASSERT_EQ(NULL, FindWindowA(NULL, kHostTitle));
    FakeSystem fake;
    int sleeps = 0;
    fake.onSleep = [&](DWORD) { ++sleeps; };
    EXPECT_TRUE(ShutDownInstrumentation95());
    EXPECT_TRUE(MessagesOf(fake).empty());
    EXPECT_EQ(0, sleeps);
}

// One close request a second until the window has gone, under a progress
// dialog with the default title.
TEST(Instrumentation95, ClosesTheHostWindowThatGivesInAfterThreeRequests)
{
    ToolProcess host;
    ASSERT_TRUE(StartHost(host, "window 3"));
    FakeSystem fake;
    ProgressWatch watch;
    std::vector<DWORD> sleeps;
    fake.onSleep = [&](DWORD ms) {
        sleeps.push_back(ms);
        watch.Look();
    };

    EXPECT_TRUE(ShutDownInstrumentation95());

    DWORD requests = 0;
    ASSERT_TRUE(host.WaitForExit(10000, &requests));
    EXPECT_EQ(3u, requests);
    EXPECT_EQ(std::vector<DWORD>(3, 1000), sleeps);
    EXPECT_TRUE(MessagesOf(fake).empty());
    ASSERT_FALSE(watch.Seen().empty());
    EXPECT_EQ("File Copy", watch.Seen().front().title);
    EXPECT_EQ("Attempting to shut down service.", watch.Seen().front().status);
    EXPECT_EQ(60000, watch.Seen().front().upper);
    EXPECT_EQ(NULL, FindProgressDialog());
}

// A window that stays is asked once a second for 60 s, then reported; the
// removal goes on all the same.
TEST(Instrumentation95, ReportsAHostWindowThatNeverCloses)
{
    ToolProcess host;
    ASSERT_TRUE(StartHost(host, "window 0"));
    FakeSystem fake;
    fake.UseFakeClock(0xFFFFFFFFu - 20000);  // across the wrap of the tick count
    int lastPos = -1;
    fake.onSleep = [&](DWORD) {
        ProgressSnapshot shown;
        if (ReadProgressDialog(&shown))
            lastPos = shown.pos;
    };

    EXPECT_TRUE(ShutDownInstrumentation95());

    EXPECT_EQ(std::vector<std::string>{kNeverClosed}, MessagesOf(fake));
    EXPECT_EQ(60000, lastPos);
    EXPECT_EQ(NULL, FindProgressDialog());
    // Requests at 0, 1, ..., 61 s; the one at 61 s finds the time up.
    EXPECT_EQ(62u, RequestsReceived(host));
}

TEST(Instrumentation95, CloseWindowAndWaitGivesFalseForAWindowThatStays)
{
    ToolProcess host;
    ASSERT_TRUE(StartHost(host, "window 0"));
    FakeSystem fake;
    fake.UseFakeClock(0);
    EXPECT_FALSE(CloseTopLevelWindowAndWait(kHostTitle));
    EXPECT_EQ(std::vector<std::string>{kNeverClosed}, MessagesOf(fake));
}

// A host that no longer handles messages can't hold the wizard: each request
// is given up after a while, and the time limit still ends the wait.
TEST(Instrumentation95, AHungHostWindowDoesNotHangTheWait)
{
    ToolProcess host;
    ASSERT_TRUE(StartHost(host, "hang"));
    FakeSystem fake;
    fake.UseFakeClock(0, 20000);  // every reading of the clock 20 s later
    EXPECT_FALSE(CloseTopLevelWindowAndWait(kHostTitle));
    EXPECT_EQ(std::vector<std::string>{kNeverClosed}, MessagesOf(fake));
}

#include "FakeSystem.h"
#include "ProgressWatch.h"
#include "ServiceFixtures.h"
#include "sysaccess/ServiceControl.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

const char kService[] = "PatchWizardTestSvc";
const DWORD kCanary = 0xDEADBEEF;

// A wrapper connected and locked, as the removal uses it.
class ServiceControl : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsvc::Remove(kService);
        ASSERT_TRUE(m_control.OpenManager(NULL, NULL, SC_MANAGER_ALL_ACCESS)) << m_control.m_dwLastError;
        ASSERT_TRUE(m_control.LockDatabase()) << m_control.m_dwLastError;
    }
    // The service goes after the wrapper's handle to it: a service marked
    // for deletion stays while any handle is open.
    void TearDown() override
    {
        m_control.CloseAll();
        m_service.reset();
    }

    // Sets kService up with the behaviour (left stopped unless start) and opens it.
    void OpenService(testsvc::Behaviour behaviour, DWORD delayMs = 0, bool start = true)
    {
        m_control.CloseNamedService();
        m_service.reset();  // before the new one: it would remove the new one's name
        m_service.reset(new ScopedTestService(kService, behaviour, delayMs, start));
        ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), m_service->SetupError());
        ASSERT_TRUE(m_control.OpenNamedService(kService)) << m_control.m_dwLastError;
    }

    CServiceControl m_control;
    std::unique_ptr<ScopedTestService> m_service;
};

}  // namespace

// Calls out of order are refused with the wrapper's own codes and reach no manager.
TEST(ServiceControlOrder, RefusesCallsOutOfOrder)
{
    struct Case {
        const char* call;
        BOOL (*run)(CServiceControl&);
        DWORD code;
    };
    const Case cases[] = {
        {"OpenNamedService", [](CServiceControl& c) { return c.OpenNamedService("probesvc"); }, SCERR_NO_MANAGER},
        {"CloseNamedService", [](CServiceControl& c) { return c.CloseNamedService(); }, SCERR_CLOSE_NO_SERVICE},
        {"IsRunning", [](CServiceControl& c) { return c.IsRunning(); }, SCERR_NO_SERVICE},
        {"StopAndWait", [](CServiceControl& c) { return c.StopAndWait("probesvc"); }, SCERR_NO_SERVICE},
        {"RemoveService", [](CServiceControl& c) { return c.RemoveService(); }, SCERR_NO_SERVICE},
    };
    for (const Case& c : cases) {
        CServiceControl control;
        control.m_dwLastError = kCanary;
        EXPECT_FALSE(c.run(control)) << c.call;
        EXPECT_EQ(c.code, control.m_dwLastError) << c.call;
        EXPECT_EQ(0, control.CloseAll()) << c.call;
    }
}

// With no open service the interrogation itself fails: a query failure, not "stopped".
TEST(ServiceControlOrder, QueryWithoutServiceIsAQueryFailure)
{
    CServiceControl control;
    control.m_dwLastError = kCanary;
    EXPECT_EQ(static_cast<DWORD>(SCERR_QUERY_FAILED), control.QueryState());
    EXPECT_NE(kCanary, control.m_dwLastError);
    EXPECT_NE(static_cast<DWORD>(ERROR_SERVICE_NOT_ACTIVE), control.m_dwLastError);
}

TEST_F(ServiceControl, SecondOpenManagerKeepsTheFirstConnection)
{
    SC_HANDLE hFirst = m_control.m_hSCManager;
    EXPECT_FALSE(m_control.OpenManager(NULL, NULL, SC_MANAGER_ALL_ACCESS));
    EXPECT_EQ(static_cast<DWORD>(SCERR_MANAGER_OPEN), m_control.m_dwLastError);
    EXPECT_EQ(hFirst, m_control.m_hSCManager);
}

TEST_F(ServiceControl, SecondLockKeepsTheLockHeld)
{
    SC_LOCK first = m_control.m_scLock;
    m_control.m_dwLastError = kCanary;
    EXPECT_TRUE(m_control.LockDatabase());
    EXPECT_EQ(first, m_control.m_scLock);
    EXPECT_EQ(kCanary, m_control.m_dwLastError);
}

TEST_F(ServiceControl, OpensOneServiceAtATime)
{
    EXPECT_FALSE(m_control.OpenNamedService("PatchWizardNoSuchService"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SERVICE_DOES_NOT_EXIST), m_control.m_dwLastError);
    EXPECT_EQ(NULL, m_control.m_hService);

    OpenService(testsvc::StopAtOnce, 0, false);
    SC_HANDLE hOpen = m_control.m_hService;
    EXPECT_FALSE(m_control.OpenNamedService(kService));
    EXPECT_EQ(static_cast<DWORD>(SCERR_SERVICE_OPEN), m_control.m_dwLastError);
    EXPECT_EQ(hOpen, m_control.m_hService);

    EXPECT_TRUE(m_control.CloseNamedService());
    EXPECT_EQ(NULL, m_control.m_hService);
    EXPECT_TRUE(m_control.OpenNamedService(kService));
}

// QueryState and IsRunning against services in each state the removal meets.
TEST_F(ServiceControl, ReadsTheStateOfAService)
{
    struct Case {
        const char* name;
        bool start;
        bool stopFirst;  // a service asked to stop that takes its time refuses interrogation
        DWORD state;
        BOOL running;
        DWORD error;  // m_dwLastError after IsRunning (kCanary: untouched)
    };
    const Case cases[] = {
        {"stopped", false, false, SERVICE_STOPPED, FALSE, ERROR_SERVICE_NOT_ACTIVE},
        {"running", true, false, SERVICE_RUNNING, TRUE, kCanary},
        {"stopping", true, true, SCERR_QUERY_FAILED, TRUE, ERROR_SERVICE_CANNOT_ACCEPT_CTRL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenService(testsvc::NeverStop, 0, c.start);
        if (c.stopFirst) {
            ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), SendStop(kService));
        }
        EXPECT_EQ(c.state, m_control.QueryState());
        m_control.m_dwLastError = kCanary;
        EXPECT_EQ(c.running, m_control.IsRunning());
        EXPECT_EQ(c.error, m_control.m_dwLastError);
        m_control.CloseNamedService();
    }
}

// A stopped service needs no control, no dialog and no wait.
TEST_F(ServiceControl, StopAndWaitOnAStoppedServiceReturnsAtOnce)
{
    OpenService(testsvc::NeverStop, 0, false);
    FakeSystem fake;
    int sleeps = 0;
    fake.onSleep = [&](DWORD) { ++sleeps; };
    EXPECT_TRUE(m_control.StopAndWait(kService));
    EXPECT_EQ(0, sleeps);
    EXPECT_EQ(NULL, FindProgressDialog());
}

// The wait shows its dialog while the service stops, polls every 500 ms and
// ends at the first poll that finds the service stopped.
TEST_F(ServiceControl, StopAndWaitShowsProgressUntilTheServiceHasStopped)
{
    OpenService(testsvc::StopLate, 1200);
    FakeSystem fake;
    ProgressWatch watch;
    std::vector<DWORD> sleeps;
    fake.onSleep = [&](DWORD ms) {
        sleeps.push_back(ms);
        watch.Look();
    };
    EXPECT_TRUE(m_control.StopAndWait("the test service"));

    EXPECT_EQ("stopped", ServiceState(kService));
    EXPECT_EQ(NULL, FindProgressDialog());
    ASSERT_FALSE(sleeps.empty());
    EXPECT_EQ(std::vector<DWORD>(sleeps.size(), 500), sleeps);
    const ProgressSnapshot& shown = watch.Seen().front();
    EXPECT_EQ("Shut down Services", shown.title);
    EXPECT_EQ("Attempting to shut down the test service", shown.status);
    EXPECT_EQ(0, shown.lower);
    EXPECT_EQ(60000, shown.upper);
}

TEST_F(ServiceControl, StopAndWaitReportsARefusedStopAndLeavesNoWindow)
{
    OpenService(testsvc::RefuseStop);
    FakeSystem fake;
    int sleeps = 0;
    fake.onSleep = [&](DWORD) { ++sleeps; };
    EXPECT_FALSE(m_control.StopAndWait(kService));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_SERVICE_CONTROL), m_control.m_dwLastError);
    EXPECT_EQ(0, sleeps);
    EXPECT_EQ(NULL, FindProgressDialog());
    EXPECT_EQ("running", ServiceState(kService));
}

// A service that never stops is given up after 60000 ms of the tick count,
// also when the count wraps during the wait: the poll after the limit still
// updates the bar and sleeps, so the wait lasts 61 s in all.
TEST_F(ServiceControl, StopAndWaitGivesUpAfterSixtySeconds)
{
    const DWORD starts[] = {1000, 0xFFFFFFFFu - 30000};
    for (DWORD start : starts) {
        SCOPED_TRACE(start);
        OpenService(testsvc::NeverStop);
        FakeSystem fake;
        fake.UseFakeClock(start);
        int sleeps = 0;
        int lastPos = -1;
        fake.onSleep = [&](DWORD) {
            ++sleeps;
            ProgressSnapshot shown;
            if (ReadProgressDialog(&shown))
                lastPos = shown.pos;
        };
        EXPECT_FALSE(m_control.StopAndWait(kService));
        EXPECT_EQ(static_cast<DWORD>(SCERR_STOP_TIMEOUT), m_control.m_dwLastError);
        EXPECT_EQ(61000u, fake.Now() - start);
        EXPECT_EQ(122, sleeps);
        EXPECT_EQ(60000, lastPos);  // the bar stops at its end
        EXPECT_EQ(NULL, FindProgressDialog());
        EXPECT_EQ("stop pending", ServiceState(kService));
        m_control.CloseNamedService();
    }
}

// Cancel is noticed at the next poll; it leaves the last interrogation's code.
TEST_F(ServiceControl, StopAndWaitEndsOnCancel)
{
    OpenService(testsvc::NeverStop);
    FakeSystem fake;
    fake.UseFakeClock(0);
    int sleeps = 0;
    fake.onSleep = [&](DWORD) {
        if (++sleeps == 3)
            ClickProgressCancel();
    };
    EXPECT_FALSE(m_control.StopAndWait(kService));
    EXPECT_EQ(4, sleeps);
    EXPECT_EQ(static_cast<DWORD>(ERROR_SERVICE_CANNOT_ACCEPT_CTRL), m_control.m_dwLastError);
    EXPECT_EQ(NULL, FindProgressDialog());
}

// Marked for deletion, the service goes once the wrapper closes its handle.
TEST_F(ServiceControl, RemovedServiceIsGoneOnceClosed)
{
    OpenService(testsvc::StopAtOnce, 0, false);
    EXPECT_TRUE(m_control.RemoveService());
    EXPECT_TRUE(m_control.CloseNamedService());
    EXPECT_EQ("missing", ScQueryState(kService));
}

TEST_F(ServiceControl, SecondRemovalIsRefusedWithTheManagersCode)
{
    OpenService(testsvc::StopAtOnce, 0, false);
    EXPECT_TRUE(m_control.RemoveService());
    EXPECT_FALSE(m_control.RemoveService());
    EXPECT_EQ(static_cast<DWORD>(ERROR_SERVICE_MARKED_FOR_DELETE), m_control.m_dwLastError);
}

// CloseAll gives the manager handle's result and leaves nothing to close twice.
TEST_F(ServiceControl, CloseAllReleasesEverything)
{
    OpenService(testsvc::StopAtOnce, 0, false);
    EXPECT_TRUE(m_control.CloseAll());
    EXPECT_EQ(NULL, m_control.m_hService);
    EXPECT_EQ(NULL, m_control.m_scLock);
    EXPECT_EQ(NULL, m_control.m_hSCManager);
    EXPECT_EQ(0, m_control.CloseAll());
}

#include "FakeSystem.h"
#include "ProgressWatch.h"
#include "ServiceFixtures.h"
#include "patch/ServiceRemoval.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

// How one of the product's services is found when the removal starts.
struct ServiceSetup {
    bool present;
    testsvc::Behaviour behaviour;
    DWORD delayMs;
    bool start;
    bool stopFirst;  // asked to stop before, and still stopping: its state can't be read
};
const ServiceSetup kAbsent = {false, testsvc::StopAtOnce, 0, false, false};
const ServiceSetup kStopped = {true, testsvc::StopAtOnce, 0, false, false};
const ServiceSetup kRunning = {true, testsvc::StopLate, 700, true, false};
const ServiceSetup kNeverStops = {true, testsvc::NeverStop, 0, true, false};
const ServiceSetup kRefusesStop = {true, testsvc::RefuseStop, 0, true, false};
const ServiceSetup kStopping = {true, testsvc::NeverStop, 0, true, true};

std::unique_ptr<ScopedTestService> Arrange(const char* name, const ServiceSetup& setup)
{
    if (!setup.present)
        return nullptr;
    std::unique_ptr<ScopedTestService> service(
        new ScopedTestService(name, setup.behaviour, setup.delayMs, setup.start));
    if (setup.stopFirst && service->SetupError() == ERROR_SUCCESS)
        SendStop(name);
    return service;
}

const char kPatch[] = "Orrin Patch Error: ";
const char kUninstall[] = "Orrin Uninstall Error: ";

struct Scenario {
    const char* name;
    ServiceSetup probesvc;
    ServiceSetup tavrind;
    bool fakeClock;       // for waits that would last a minute
    int cancelAtSleep;    // presses Cancel during that sleep (0: never)
    bool tavrindMarked;   // TAVRIND already marked for deletion, a handle to it held
    std::vector<std::string> messages;  // "caption: text", in order
    BOOL result;
    const char* probesvcAfter;
    const char* tavrindAfter;
    std::vector<std::string> progress;  // the status lines the dialogs showed
};

void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

class SensorServices : public ::testing::TestWithParam<Scenario> {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override
    {
        testsvc::Remove("probesvc");
        testsvc::Remove("TAVRIND");
    }
};

}  // namespace

TEST_P(SensorServices, TakesDownTheProductsServicesOnWindowsNT)
{
    const Scenario& s = GetParam();
    auto probesvc = Arrange("probesvc", s.probesvc);
    auto tavrind = Arrange("TAVRIND", s.tavrind);
    for (auto* service : {probesvc.get(), tavrind.get()}) {
        if (service != nullptr) {
            ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS), service->SetupError());
        }
    }

    SC_HANDLE hManager = NULL, hMarked = NULL;
    if (s.tavrindMarked) {
        hManager = OpenSCManagerA(NULL, NULL, SC_MANAGER_CONNECT);
        hMarked = OpenServiceA(hManager, "TAVRIND", DELETE);
        ASSERT_TRUE(hMarked != NULL && DeleteService(hMarked)) << GetLastError();
    }

    FakeSystem fake;
    if (s.fakeClock)
        fake.UseFakeClock(5000);
    ProgressWatch watch;
    int sleeps = 0;
    fake.onSleep = [&](DWORD) {
        watch.Look();
        if (++sleeps == s.cancelAtSleep)
            ClickProgressCancel();
    };

    EXPECT_EQ(s.result, RemoveSensorServicesNT());

    std::vector<std::string> messages;
    for (const FakeSystem::Message& m : fake.Messages()) {
        messages.push_back(m.caption + ": " + m.text);
        EXPECT_EQ(NULL, m.hOwner) << m.text;
        EXPECT_EQ(static_cast<UINT>(MB_OK), m.type) << m.text;
    }
    EXPECT_EQ(s.messages, messages);
    EXPECT_EQ(s.progress, watch.Statuses());
    for (const ProgressSnapshot& shown : watch.Seen())
        EXPECT_EQ("Shut down Services", shown.title);
    EXPECT_EQ(NULL, FindProgressDialog());
    EXPECT_EQ(s.probesvcAfter, ServiceState("probesvc"));
    EXPECT_EQ(s.tavrindAfter, ServiceState("TAVRIND"));

    if (hMarked != NULL)
        CloseServiceHandle(hMarked);
    if (hManager != NULL)
        CloseServiceHandle(hManager);
}

INSTANTIATE_TEST_SUITE_P(
    Removal, SensorServices,
    ::testing::Values(
        Scenario{"both_running", kRunning, kRunning, false, 0, false, {}, TRUE, "stopped", "missing",
                 {"Attempting to shut down probesvc", "Attempting to shut down TAVRIND"}},
        Scenario{"both_stopped", kStopped, kStopped, false, 0, false, {}, TRUE, "stopped", "missing", {}},
        Scenario{"no_probesvc", kAbsent, kRunning, false, 0, false,
                 {std::string(kPatch) + "'probesvc' service was not found."}, TRUE, "missing", "missing",
                 {"Attempting to shut down TAVRIND"}},
        Scenario{"no_TAVRIND", kRunning, kAbsent, false, 0, false,
                 {std::string(kPatch) + "'TAVRIND' service was not found."}, TRUE, "stopped", "missing",
                 {"Attempting to shut down probesvc"}},
        Scenario{"probesvc_never_stops", kNeverStops, kRunning, true, 0, false,
                 {std::string(kPatch) + "Unable to stop 'probesvc' service."}, FALSE, "stop pending", "running",
                 {"Attempting to shut down probesvc"}},
        Scenario{"probesvc_refuses_stop", kRefusesStop, kRunning, false, 0, false,
                 {std::string(kPatch) + "Unable to stop 'probesvc' service."}, FALSE, "running", "running", {}},
        Scenario{"probesvc_unreadable", kStopping, kRunning, false, 0, false,
                 {std::string(kPatch) + "Unable to get status of 'probesvc' service."}, FALSE, "stop pending",
                 "running", {}},
        Scenario{"cancel_while_TAVRIND_stops", kStopped, kNeverStops, true, 2, false,
                 {std::string(kPatch) + "Unable to stop 'TAVRIND' service."}, FALSE, "stopped", "stop pending",
                 {"Attempting to shut down TAVRIND"}},
        Scenario{"TAVRIND_unreadable", kStopped, kStopping, false, 0, false,
                 {std::string(kPatch) + "Unable to get status of 'TAVRIND' service."}, FALSE, "stopped",
                 "stop pending", {}},
        Scenario{"TAVRIND_removal_refused", kStopped, kStopped, false, 0, true,
                 {std::string(kUninstall) + "Unable to remove service 'TAVRIND'."}, FALSE, "stopped", "stopped",
                 {}}),
    [](const ::testing::TestParamInfo<Scenario>& info) { return std::string(info.param.name); });

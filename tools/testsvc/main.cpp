// A configurable service for the tests and the removal demo, and the few
// commands that set such services up (Wine's own sc.exe start is not
// dependable):
//   testsvc create <name> <stop|late|refuse|never> [delay ms]
//   testsvc start <name>      starts it and waits until it runs
//   testsvc release <name>    lets it stop whatever its behaviour
//   testsvc delete <name>     releases and deletes it
//   testsvc query <name>      prints its state, or "missing"
//   testsvc serve <name> <behaviour> <delay ms>   what the service manager runs
// Exit code 0 on success, else the Win32 error code.
#include "ServiceProcess.h"
#include "TestServices.h"
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string OwnPath()
{
    char path[MAX_PATH + 1] = "";
    DWORD n = ::GetModuleFileNameA(NULL, path, MAX_PATH);
    return std::string(path, n < MAX_PATH ? n : MAX_PATH);
}

int Usage()
{
    std::fprintf(stderr,
                 "usage: testsvc create <name> <stop|late|refuse|never> [delay ms]\n"
                 "       testsvc start|release|delete|query <name>\n");
    return 2;
}

int Report(const char* what, const std::string& name, DWORD error)
{
    if (error != ERROR_SUCCESS)
        std::fprintf(stderr, "testsvc %s %s: error %lu\n", what, name.c_str(), error);
    return static_cast<int>(error);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
        return Usage();
    const std::string command = argv[1];
    const std::string name = argv[2];
    testsvc::Behaviour behaviour = testsvc::StopAtOnce;
    const DWORD delayMs = argc > 4 ? std::strtoul(argv[4], NULL, 10) : 0;

    if (command == "serve" || command == "create") {
        if (argc < 4 || !testsvc::ParseBehaviour(argv[3], &behaviour))
            return Usage();
        if (command == "serve")
            return RunService(name, behaviour, delayMs);
        return Report("create", name, testsvc::Create(OwnPath(), name, behaviour, delayMs));
    }
    if (command == "start")
        return Report("start", name, testsvc::Start(name));
    if (command == "release")
        return Report("release", name, testsvc::Release(name));
    if (command == "delete")
        return Report("delete", name, testsvc::Remove(name));
    if (command == "query") {
        DWORD state = 0;
        DWORD error = testsvc::QueryState(name, &state);
        if (error == ERROR_SERVICE_DOES_NOT_EXIST) {
            std::printf("missing\n");
            return 0;
        }
        if (error == ERROR_SUCCESS)
            std::printf("%s\n", testsvc::StateName(state).c_str());
        return Report("query", name, error);
    }
    return Usage();
}

// Times what Next on the paths page costs with a set of realistic size: the
// real PatchWizard.exe stages the setup directory (driven as a person would),
// and Wine's xcopy copies the same files, in alternating rounds.
//   benchstaging <PatchWizard.exe> <setup directory> <work directory> [rounds]
#include "WizardDriver.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const int kSetupPathId = 1001;
const int kTempPathId = 1007;

double Seconds()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void RemoveFiles(const std::string& dir)
{
    WIN32_FIND_DATAA data;
    HANDLE hFind = ::FindFirstFileA((dir + "\\*").c_str(), &data);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileA((dir + "\\" + data.cFileName).c_str());
        } while (::FindNextFileA(hFind, &data));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryA(dir.c_str());
}

// Seconds that xcopy takes for the directory; negative when it fails.
double TimeXcopy(const std::string& from, const std::string& to)
{
    RemoveFiles(to);
    std::string commandLine = "xcopy.exe \"" + from + "\" \"" + to + "\" /I /Y /Q";
    STARTUPINFOA si;
    ZeroMemory(&si, sizeof si);
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    double start = Seconds();
    if (!::CreateProcessA(NULL, &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return -1;
    ::WaitForSingleObject(pi.hProcess, INFINITE);
    double elapsed = Seconds() - start;
    DWORD exitCode = 1;
    ::GetExitCodeProcess(pi.hProcess, &exitCode);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    RemoveFiles(to);
    return exitCode == 0 ? elapsed : -1;
}

// Seconds from pressing Next on the paths page to the launch page; negative
// when the wizard does not get there. The wizard is cancelled afterwards, so
// its clean-up removes what it staged.
double TimeStaging(const std::string& exe, const std::string& setupDir, const std::string& tempDir)
{
    WizardDriver driver;
    if (!driver.Start(exe) || !driver.WaitForSheet())
        return -1;
    WizardDriver::Pause(300);
    HWND hPage = driver.CurrentPage();
    driver.Press(WizardDriver::Next);
    if (!driver.WaitForPageChange(hPage))
        return -1;
    WizardDriver::Pause(300);
    driver.TypeText(kSetupPathId, setupDir);
    driver.TypeText(kTempPathId, tempDir);
    hPage = driver.CurrentPage();
    double start = Seconds();
    driver.Press(WizardDriver::Next);
    double elapsed = -1;
    while (Seconds() - start < 120) {
        HWND hNow = driver.CurrentPage();
        if (hNow != NULL && hNow != hPage) {
            elapsed = Seconds() - start;
            break;
        }
        ::Sleep(2);
    }
    driver.Press(WizardDriver::Cancel);
    if (!driver.WaitForExit(30000))
        driver.Kill();
    return elapsed;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: benchstaging <PatchWizard.exe> <setup directory> <work directory> [rounds]\n");
        return 2;
    }
    const std::string exe = argv[1], setupDir = argv[2], work = argv[3];
    const int rounds = argc > 4 ? std::max(1, std::atoi(argv[4])) : 3;
    ::CreateDirectoryA(work.c_str(), NULL);
    std::vector<double> staging, xcopy;
    for (int round = 1; round <= rounds; ++round) {
        double x = TimeXcopy(setupDir, work + "\\xcopy");
        double s = TimeStaging(exe, setupDir, work + "\\Patch.tmp");
        std::printf("round %d: staging %.3f s, xcopy %.3f s (its process start included)\n", round, s, x);
        if (s < 0 || x < 0) {
            std::printf("a round failed\n");
            return 1;
        }
        staging.push_back(s);
        xcopy.push_back(x);
    }
    double s = Median(staging), x = Median(xcopy);
    std::printf("median of %d: staging %.3f s, xcopy %.3f s, staging/xcopy %.2f\n", rounds, s, x, s / x);
    ::RemoveDirectoryA(work.c_str());
    return 0;
}

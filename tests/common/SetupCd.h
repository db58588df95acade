#pragma once
#include <windows.h>
#include <string>
#include <vector>

// The setup file list in staging order: the board file the program writes
// from its resource, then the seven files of the CD's set.
extern const char* const kStagedNames[8];

// A stand-in for the board's CD: a new folder under the temporary folder
// with the seven setup files, Setup.exe being the stand-in setup program.
// `omit` names a file to leave out; `dataSize` makes data.z that big.
std::string MakeSetupCd(const std::string& name, const std::string& omit = "", size_t dataSize = 0);

// The board description the program carries, as the source tree holds it.
std::string BoardFileBytes();

// How many of the eight listed files are in dir (-1 when dir is missing).
int StagedCount(const std::string& dir);

// Case-insensitive, as the file system compares paths.
bool SamePath(const std::string& a, const std::string& b);

// The stand-in setup program's record of its runs. While this object lives,
// PW_FAKESETUP_LOG names a fresh log file in this process's environment, so
// a wizard started from here, and the setup program it starts, inherit it.
class FakeSetupLog {
public:
    struct Run {
        std::string module;       // the path the program was loaded from
        std::string commandLine;  // as it received it
    };

    FakeSetupLog();
    ~FakeSetupLog();
    FakeSetupLog(const FakeSetupLog&) = delete;
    FakeSetupLog& operator=(const FakeSetupLog&) = delete;

    std::vector<Run> Runs() const;
    // Waits until at least `count` runs are recorded and the programs that
    // made them have ended (their files can be deleted then).
    bool WaitForRuns(size_t count, DWORD timeoutMs = 30000) const;

private:
    std::string m_path;
};

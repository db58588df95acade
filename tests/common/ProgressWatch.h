#pragma once
#include <windows.h>
#include <string>
#include <vector>

// What a progress dialog of the calling thread shows, read while the code
// under test waits (from FakeSystem::onSleep, which runs on that thread).
struct ProgressSnapshot {
    std::string title;
    std::string status;
    std::string percent;
    int lower = 0;
    int upper = 0;
    int pos = 0;
};

// The progress dialog of this thread, or NULL when none is up.
HWND FindProgressDialog();
bool ReadProgressDialog(ProgressSnapshot* pSnapshot);
// Clicks its Cancel button, as a person would; handled at its next message sweep.
bool ClickProgressCancel();

// Collects one snapshot per call, "" titles when no dialog was up.
class ProgressWatch {
public:
    void Look();
    const std::vector<ProgressSnapshot>& Seen() const { return m_seen; }
    // The distinct status lines seen, in order.
    std::vector<std::string> Statuses() const;

private:
    std::vector<ProgressSnapshot> m_seen;
};

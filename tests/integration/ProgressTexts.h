#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

// Every text the calling thread's progress dialog is given, as it is given,
// and whether the wizard is disabled meanwhile. onStatus runs as each status
// line is set, that is just before the file it names is staged: what it does
// happens "while that file is copied".
class ProgressTexts {
public:
    ProgressTexts();
    ~ProgressTexts();
    ProgressTexts(const ProgressTexts&) = delete;
    ProgressTexts& operator=(const ProgressTexts&) = delete;

    std::vector<std::string> statuses;  // each status line set, in order
    std::vector<std::string> percents;  // each percentage text set, in order
    bool wizardEnabledDuringCopy = false;
    std::function<void(const std::string& status)> onStatus;

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam);
    void Seen(const CWPSTRUCT& message);

    HHOOK m_hHook = NULL;
};

#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

// Watches, on the calling thread (the wizard's), what the progress dialog
// shows while files are staged, and whether the wizard is disabled meanwhile.
// onStatus runs as each status line is set, that is just before the file it
// names is staged: what it does happens "while that file is copied".
class ProgressWatch {
public:
    ProgressWatch();
    ~ProgressWatch();
    ProgressWatch(const ProgressWatch&) = delete;
    ProgressWatch& operator=(const ProgressWatch&) = delete;

    std::vector<std::string> statuses;  // each status line set, in order
    std::vector<std::string> percents;  // each percentage text set, in order
    bool wizardEnabledDuringCopy = false;
    std::function<void(const std::string& status, HWND hDialog)> onStatus;

    // Clicks the dialog's Cancel: the click waits in the queue, as a
    // person's would, until the dialog next handles its messages.
    static void PressCancel(HWND hDialog);

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam);
    void Seen(const CWPSTRUCT& message);

    HHOOK m_hHook = NULL;
};

#pragma once
#include <windows.h>
#include <string>
#include <vector>

// Watches, on the calling thread (the wizard's), what the progress dialog
// shows while files are staged, and whether the wizard is disabled meanwhile.
// Given a status text, it presses the dialog's Cancel once that status is
// shown, so the click waits in the queue while that file is copied, as a
// person's click would.
class ProgressWatch {
public:
    explicit ProgressWatch(const std::string& cancelDuring = "");
    ~ProgressWatch();
    ProgressWatch(const ProgressWatch&) = delete;
    ProgressWatch& operator=(const ProgressWatch&) = delete;

    std::vector<std::string> statuses;  // each status line set, in order
    std::vector<std::string> percents;  // each percentage text set, in order
    bool wizardEnabledDuringCopy = false;

private:
    static LRESULT CALLBACK Hook(int nCode, WPARAM wParam, LPARAM lParam);
    void Seen(const CWPSTRUCT& message);

    std::string m_cancelDuring;
    bool m_cancelPressed = false;
    HHOOK m_hHook = NULL;
};

#include "res/resource.h"
#include "ui/ProgressDialog.h"
#include <gtest/gtest.h>
#include <commctrl.h>

namespace {

// A top-level window for the dialog to own, as the wizard sheet would be.
class OwnerWindow {
public:
    OwnerWindow()
    {
        m_wnd.Attach(CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 10, 10, 200, 100, NULL, NULL,
                                     NULL, NULL));
    }
    ~OwnerWindow() { m_wnd.DestroyWindow(); }
    CWnd* operator->() { return &m_wnd; }
    CWnd* Get() { return &m_wnd; }

private:
    CWnd m_wnd;
};

std::string Text(HWND hWnd)
{
    char buffer[256] = "";
    GetWindowTextA(hWnd, buffer, sizeof buffer);
    return buffer;
}

// Counts the texts set on one control.
WNDPROC g_originalProc = nullptr;
int g_setTextCount = 0;
LRESULT CALLBACK CountSetText(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT)
        ++g_setTextCount;
    return CallWindowProcA(g_originalProc, hWnd, message, wParam, lParam);
}

}  // namespace

TEST(ProgressDialog, DisablesAnEnabledOwnerWhileItIsUp)
{
    OwnerWindow owner;
    {
        CProgressDialog dialog(0);
        ASSERT_TRUE(dialog.Create(owner.Get()));
        EXPECT_FALSE(owner->IsWindowEnabled());
        EXPECT_TRUE(IsWindowVisible(dialog.m_hWnd));
        EXPECT_EQ("File Copy", Text(dialog.m_hWnd));
        EXPECT_EQ(" 0 %", Text(GetDlgItem(dialog.m_hWnd, IDC_PROGRESS_PERCENT)));
        dialog.DestroyWindow();
        EXPECT_TRUE(owner->IsWindowEnabled());
        EXPECT_EQ(NULL, dialog.m_hWnd);
    }
    {
        // Leaving the scope with the window up re-enables the owner too.
        CProgressDialog dialog(0);
        ASSERT_TRUE(dialog.Create(owner.Get()));
        EXPECT_FALSE(owner->IsWindowEnabled());
    }
    EXPECT_TRUE(owner->IsWindowEnabled());
}

TEST(ProgressDialog, LeavesAnOwnerDisabledBySomeoneElseDisabled)
{
    OwnerWindow owner;
    owner->EnableWindow(FALSE);
    {
        CProgressDialog dialog(0);
        ASSERT_TRUE(dialog.Create(owner.Get()));
        dialog.DestroyWindow();
        EXPECT_FALSE(owner->IsWindowEnabled());
    }
    EXPECT_FALSE(owner->IsWindowEnabled());
}

TEST(ProgressDialog, WithoutAParentIsOwnedByTheMainWindow)
{
    OwnerWindow owner;
    CWinApp app("PatchWizard");
    app.m_pMainWnd = owner.Get();
    CProgressDialog dialog(0);
    ASSERT_TRUE(dialog.Create(NULL));
    EXPECT_EQ(owner->m_hWnd, GetWindow(dialog.m_hWnd, GW_OWNER));
    EXPECT_FALSE(owner->IsWindowEnabled());
    dialog.DestroyWindow();
    EXPECT_TRUE(owner->IsWindowEnabled());
    app.m_pMainWnd = NULL;
}

// Cancel, Escape and the close box each count as one Cancel and leave the
// dialog open; OK changes nothing.
TEST(ProgressDialog, ReportsEachCancelOnceAndStaysOpen)
{
    struct Case {
        const char* what;
        UINT message;
        WPARAM wParam;
        bool toButton;
        BOOL cancels;
    };
    const Case cases[] = {
        {"Cancel button", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), false, TRUE},
        {"close box", WM_CLOSE, 0, false, TRUE},
        {"Escape key", WM_KEYDOWN, VK_ESCAPE, true, TRUE},
        {"OK command", WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), false, FALSE},
    };
    OwnerWindow owner;
    for (const Case& c : cases) {
        CProgressDialog dialog(0);
        ASSERT_TRUE(dialog.Create(owner.Get()));
        HWND hTarget = c.toButton ? GetDlgItem(dialog.m_hWnd, IDCANCEL) : dialog.m_hWnd;
        PostMessageA(hTarget, c.message, c.wParam, 0);
        EXPECT_EQ(c.cancels, dialog.CheckCancel()) << c.what;
        EXPECT_FALSE(dialog.CheckCancel()) << c.what;
        EXPECT_TRUE(IsWindow(dialog.m_hWnd) && IsWindowVisible(dialog.m_hWnd)) << c.what;
    }
}

TEST(ProgressDialog, RewritesThePercentageOnlyWhenItChanges)
{
    OwnerWindow owner;
    CProgressDialog dialog(0);
    ASSERT_TRUE(dialog.Create(owner.Get()));
    dialog.SetRange(0, 60000);
    HWND hPercent = GetDlgItem(dialog.m_hWnd, IDC_PROGRESS_PERCENT);
    g_originalProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hPercent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountSetText)));
    g_setTextCount = 0;

    dialog.SetPos(30000);
    EXPECT_EQ("50%", Text(hPercent));
    dialog.SetPos(30100);  // still 50%
    EXPECT_EQ(1, g_setTextCount);
    dialog.SetPos(60000);
    EXPECT_EQ("100%", Text(hPercent));
    EXPECT_EQ(2, g_setTextCount);
    SetWindowLongPtrA(hPercent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_originalProc));
}

TEST(ProgressDialog, GivesTheBarSixteenBitBoundsAndKeepsTheFullRange)
{
    OwnerWindow owner;
    CProgressDialog dialog(0);
    dialog.SetRange(0, 60000);  // before the window: recorded, given at creation
    ASSERT_TRUE(dialog.Create(owner.Get()));
    HWND hBar = GetDlgItem(dialog.m_hWnd, IDC_PROGRESS_BAR);
    EXPECT_EQ(0, SendMessageA(hBar, PBM_GETRANGE, TRUE, 0));
    EXPECT_EQ(60000, SendMessageA(hBar, PBM_GETRANGE, FALSE, 0));

    dialog.SetRange(0, 70000);  // cut to 16 bits for the bar only
    EXPECT_EQ(70000 & 0xFFFF, SendMessageA(hBar, PBM_GETRANGE, FALSE, 0));
    dialog.SetPos(35000);
    EXPECT_EQ("50%", Text(GetDlgItem(dialog.m_hWnd, IDC_PROGRESS_PERCENT)));

    dialog.SetStatus("Copying data.z");
    EXPECT_EQ("Copying data.z", Text(GetDlgItem(dialog.m_hWnd, IDC_PROGRESS_STATUS)));
}

TEST(ProgressDialog, IsHarmlessWithoutAWindow)
{
    CProgressDialog dialog(0);
    dialog.SetStatus("Copying data.z");
    dialog.SetRange(0, 0);
    dialog.SetPos(5);
    EXPECT_FALSE(dialog.CheckCancel());
    EXPECT_FALSE(dialog.DestroyWindow());
    EXPECT_EQ(0, dialog.m_nLower);
}

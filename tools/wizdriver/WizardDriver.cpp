#include "WizardDriver.h"
#include <commctrl.h>
#include <cstdio>

namespace {

const int kBackId = 0x3023;
const int kNextId = 0x3024;
const int kFinishId = 0x3025;
const int kMessageTextId = 0xFFFF;

struct FindContext {
    DWORD processId;
    bool (*match)(HWND, const void*);
    const void* arg;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND hWnd, LPARAM lParam)
{
    FindContext* ctx = reinterpret_cast<FindContext*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid == ctx->processId && ::IsWindowVisible(hWnd) && ctx->match(hWnd, ctx->arg)) {
        ctx->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindWindowOf(DWORD processId, bool (*match)(HWND, const void*), const void* arg)
{
    FindContext ctx = {processId, match, arg, NULL};
    ::EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&ctx));
    return ctx.found;
}

bool IsDialog(HWND hWnd)
{
    char className[64] = "";
    ::GetClassNameA(hWnd, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0;
}

bool IsSheet(HWND hWnd, const void*) { return IsDialog(hWnd) && ::GetDlgItem(hWnd, kNextId) != NULL; }

bool IsMessageBox(HWND hWnd, const void*)
{
    return IsDialog(hWnd) && ::GetDlgItem(hWnd, kMessageTextId) != NULL && ::GetDlgItem(hWnd, kNextId) == NULL;
}

bool HasTitle(HWND hWnd, const void* title)
{
    return WizardDriver::WindowText(hWnd) == *static_cast<const std::string*>(title);
}

bool Usable(HWND hWnd) { return hWnd != NULL && ::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd); }

}  // namespace

WizardDriver::~WizardDriver()
{
    if (m_hProcess != NULL)
        ::CloseHandle(m_hProcess);
}

bool WizardDriver::Start(const std::string& exePath)
{
    STARTUPINFOA si;
    ZeroMemory(&si, sizeof si);
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    std::string commandLine = "\"" + exePath + "\"";
    if (!::CreateProcessA(exePath.c_str(), &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return false;
    ::CloseHandle(pi.hThread);
    m_hProcess = pi.hProcess;
    m_processId = pi.dwProcessId;
    return true;
}

bool WizardDriver::WaitForSheet(DWORD timeoutMs)
{
    for (DWORD waited = 0; waited <= timeoutMs; waited += 100) {
        m_hSheet = FindWindowOf(m_processId, IsSheet, NULL);
        if (m_hSheet != NULL && CurrentPage() != NULL)
            return true;
        if (!Running())
            return false;
        Pause(100);
    }
    return false;
}

HWND WizardDriver::CurrentPage() const
{
    if (m_hSheet == NULL || !::IsWindow(m_hSheet))
        return NULL;
    DWORD_PTR page = 0;
    if (!::SendMessageTimeoutA(m_hSheet, PSM_GETCURRENTPAGEHWND, 0, 0, SMTO_ABORTIFHUNG, 5000, &page))
        return NULL;
    return reinterpret_cast<HWND>(page);
}

std::string WizardDriver::WindowText(HWND hWnd)
{
    char buffer[4096] = "";
    DWORD_PTR n = 0;
    if (!::SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                               SMTO_ABORTIFHUNG, 5000, &n))
        return std::string();
    return std::string(buffer, n < sizeof buffer ? n : sizeof buffer - 1);
}

std::string WizardDriver::SheetTitle() const { return WindowText(m_hSheet); }

HWND WizardDriver::Control(int id) const { return ::GetDlgItem(CurrentPage(), id); }

std::string WizardDriver::ControlText(int id) const
{
    HWND hControl = Control(id);
    return hControl ? WindowText(hControl) : std::string("<no control>");
}

bool WizardDriver::ControlVisible(int id) const
{
    HWND hControl = Control(id);
    return hControl != NULL && (::GetWindowLongA(hControl, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool WizardDriver::ControlEnabled(int id) const
{
    HWND hControl = Control(id);
    return hControl != NULL && ::IsWindowEnabled(hControl);
}

bool WizardDriver::TypeText(int id, const std::string& text)
{
    HWND hControl = Control(id);
    DWORD_PTR result = 0;
    return hControl != NULL && ::SendMessageTimeoutA(hControl, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                                                     SMTO_ABORTIFHUNG, 5000, &result);
}

bool WizardDriver::ClickButton(int id)
{
    HWND hControl = Control(id);
    return hControl != NULL && ::PostMessageA(hControl, BM_CLICK, 0, 0);
}

WizardDriver::Buttons WizardDriver::WizardButtons() const
{
    Buttons buttons;
    buttons.back = Usable(::GetDlgItem(m_hSheet, kBackId));
    buttons.next = Usable(::GetDlgItem(m_hSheet, kNextId));
    buttons.finish = Usable(::GetDlgItem(m_hSheet, kFinishId));
    buttons.cancel = Usable(::GetDlgItem(m_hSheet, IDCANCEL));
    return buttons;
}

bool WizardDriver::Press(Button button)
{
    static const WPARAM kButtons[] = {PSBTN_BACK, PSBTN_NEXT, PSBTN_FINISH, PSBTN_CANCEL};
    // Posted: the handler may show message boxes that this driver has to answer.
    return ::PostMessageA(m_hSheet, PSM_PRESSBUTTON, kButtons[button], 0) != FALSE;
}

bool WizardDriver::WaitForPageChange(HWND hOldPage, DWORD timeoutMs) const
{
    for (DWORD waited = 0; waited <= timeoutMs; waited += 100) {
        HWND hPage = CurrentPage();
        if (hPage != NULL && hPage != hOldPage)
            return true;
        Pause(100);
    }
    return false;
}

HWND WizardDriver::FindProcessWindow(const std::string& title) const
{
    return FindWindowOf(m_processId, HasTitle, &title);
}

bool WizardDriver::WaitForMessageBox(MessageBoxInfo& info, DWORD timeoutMs) const
{
    for (DWORD waited = 0; waited <= timeoutMs; waited += 100) {
        HWND hBox = FindWindowOf(m_processId, IsMessageBox, NULL);
        if (hBox != NULL) {
            info.hWnd = hBox;
            info.caption = WindowText(hBox);
            info.text = WindowText(::GetDlgItem(hBox, kMessageTextId));
            info.buttons.clear();
            static const int kIds[] = {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO};
            for (int id : kIds)
                if (Usable(::GetDlgItem(hBox, id)))
                    info.buttons.push_back(id);
            return true;
        }
        if (!const_cast<WizardDriver*>(this)->Running())
            return false;
        Pause(100);
    }
    return false;
}

bool WizardDriver::AnswerMessageBox(const MessageBoxInfo& info, int buttonId) const
{
    if (!::PostMessageA(info.hWnd, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                        reinterpret_cast<LPARAM>(::GetDlgItem(info.hWnd, buttonId))))
        return false;
    for (int i = 0; i < 100 && ::IsWindow(info.hWnd); ++i)
        Pause(100);
    return !::IsWindow(info.hWnd);
}

bool WizardDriver::Screenshot(HWND hWnd, const std::string& path)
{
    RECT rect;
    if (!::GetWindowRect(hWnd, &rect))
        return false;
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;
    HDC hScreen = ::GetDC(NULL);
    HDC hMemory = ::CreateCompatibleDC(hScreen);
    BITMAPINFO bmi;
    ZeroMemory(&bmi, sizeof bmi);
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 24;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* bits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(hScreen, &bmi, DIB_RGB_COLORS, &bits, NULL, 0);
    bool ok = false;
    if (hBitmap != NULL) {
        HGDIOBJ hOld = ::SelectObject(hMemory, hBitmap);
        ::BitBlt(hMemory, 0, 0, width, height, hScreen, rect.left, rect.top, SRCCOPY);
        ::SelectObject(hMemory, hOld);
        ::GdiFlush();
        DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
        DWORD imageSize = stride * static_cast<DWORD>(height);
        BITMAPFILEHEADER file;
        ZeroMemory(&file, sizeof file);
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + sizeof bmi.bmiHeader;
        file.bfSize = file.bfOffBits + imageSize;
        bmi.bmiHeader.biSizeImage = imageSize;
        if (FILE* out = std::fopen(path.c_str(), "wb")) {
            ok = std::fwrite(&file, sizeof file, 1, out) == 1 &&
                 std::fwrite(&bmi.bmiHeader, sizeof bmi.bmiHeader, 1, out) == 1 &&
                 std::fwrite(bits, imageSize, 1, out) == 1;
            ok = std::fclose(out) == 0 && ok;
        }
        ::DeleteObject(hBitmap);
    }
    ::DeleteDC(hMemory);
    ::ReleaseDC(NULL, hScreen);
    return ok;
}

bool WizardDriver::Running() const
{
    // A wizard in a process this driver did not start counts as running.
    if (m_hProcess == NULL)
        return m_processId != 0;
    return ::WaitForSingleObject(m_hProcess, 0) == WAIT_TIMEOUT;
}

bool WizardDriver::WaitForExit(DWORD timeoutMs, DWORD* pExitCode)
{
    if (m_hProcess == NULL || ::WaitForSingleObject(m_hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    if (pExitCode != NULL)
        ::GetExitCodeProcess(m_hProcess, pExitCode);
    return true;
}

void WizardDriver::Kill()
{
    if (m_hProcess != NULL && Running()) {
        ::TerminateProcess(m_hProcess, 99);
        ::WaitForSingleObject(m_hProcess, 5000);
    }
}

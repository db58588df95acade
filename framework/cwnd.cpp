#include "cwnd.h"
#include "cwinapp.h"
#include "ddx.h"
#include <map>
#include <memory>

namespace {

std::map<HWND, CWnd*>& PermanentMap()
{
    static std::map<HWND, CWnd*> map;
    return map;
}

// Stand-ins for windows nobody attached. They live until the program ends,
// so a pointer to one stays valid; they are unbound before they are freed so
// that freeing one never destroys the window it stood for.
struct StandInDeleter {
    void operator()(CWnd* pWnd) const
    {
        pWnd->m_hWnd = NULL;
        delete pWnd;
    }
};

std::map<HWND, std::unique_ptr<CWnd, StandInDeleter>>& StandInMap()
{
    static std::map<HWND, std::unique_ptr<CWnd, StandInDeleter>> map;
    return map;
}

}  // namespace

CWnd::~CWnd()
{
    if (m_hWnd != NULL && ::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this)
        ::DestroyWindow(m_hWnd);
    Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    auto it = PermanentMap().find(hWnd);
    return it == PermanentMap().end() ? NULL : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == NULL)
        return NULL;
    if (CWnd* pWnd = FromHandlePermanent(hWnd))
        return pWnd;
    auto& standIns = StandInMap();
    auto it = standIns.find(hWnd);
    if (it == standIns.end()) {
        std::unique_ptr<CWnd, StandInDeleter> standIn(new CWnd);
        standIn->m_hWnd = hWnd;
        it = standIns.emplace(hWnd, std::move(standIn)).first;
    }
    return it->second.get();
}

BOOL CWnd::Attach(HWND hWnd)
{
    if (hWnd == NULL || m_hWnd != NULL)
        return FALSE;
    m_hWnd = hWnd;
    PermanentMap()[hWnd] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL) {
        auto it = PermanentMap().find(hWnd);
        if (it != PermanentMap().end() && it->second == this)
            PermanentMap().erase(it);
    }
    m_hWnd = NULL;
    return hWnd;
}

void CWnd::ForgetDestroyedWindows()
{
    auto& map = PermanentMap();
    for (auto it = map.begin(); it != map.end();) {
        if (!::IsWindow(it->first)) {
            it->second->m_hWnd = NULL;
            it = map.erase(it);
        } else {
            ++it;
        }
    }
}

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

void CWnd::SetWindowText(LPCSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }

void CWnd::GetWindowText(CString& rString) const
{
    int nLength = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, rString.GetBuffer(nLength), nLength + 1);
    rString.ReleaseBuffer();
}

BOOL CWnd::ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }

BOOL CWnd::EnableWindow(BOOL bEnable) { return ::EnableWindow(m_hWnd, bEnable); }

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;
    BOOL bResult = ::DestroyWindow(m_hWnd);
    Detach();
    ForgetDestroyedWindows();
    return bResult;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

HWND CWnd::GetSafeOwner(CWnd* pParent)
{
    HWND hWnd = pParent != NULL ? pParent->m_hWnd : NULL;
    if (pParent == NULL) {
        CWinApp* pApp = AfxGetApp();
        if (pApp != NULL && pApp->m_pMainWnd != NULL)
            hWnd = pApp->m_pMainWnd->m_hWnd;
    }
    while (hWnd != NULL && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    if (pParent == NULL && hWnd != NULL)
        hWnd = ::GetLastActivePopup(hWnd);
    return hWnd;
}

#include "ControlBar.h"

#include "FrameWnd.h"
#include "afxres.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace {

constexpr int kGripper = 10; // width of the gripper band of a docked toolbar
constexpr int kBorder = 2;

// A toolbar button's update target.
class CToolCmdUI : public CCmdUI {
public:
    explicit CToolCmdUI(CToolBar* pBar) : m_pBar(pBar) {}
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        UINT style = m_pBar->GetButtonStyle(static_cast<int>(m_nIndex));
        UINT newStyle = bOn ? style & ~TBBS_DISABLED : style | TBBS_DISABLED;
        if (!bOn)
            newStyle &= ~(static_cast<UINT>(TBSTATE_PRESSED) << 16);
        if (newStyle != style)
            m_pBar->SetButtonStyle(static_cast<int>(m_nIndex), newStyle);
    }
    void SetCheck(int nCheck) override
    {
        // A checked state makes a push button a latching one.
        const UINT style = m_pBar->GetButtonStyle(static_cast<int>(m_nIndex));
        UINT newStyle = (style | TBBS_CHECKBOX) & ~TBBS_CHECKED;
        if (nCheck)
            newStyle |= TBBS_CHECKED;
        if (newStyle != style)
            m_pBar->SetButtonStyle(static_cast<int>(m_nIndex), newStyle);
    }
    void SetText(const char*) override {}

private:
    CToolBar* m_pBar;
};

// A status pane's update target.
class CStatusCmdUI : public CCmdUI {
public:
    explicit CStatusCmdUI(CStatusBar* pBar) : m_pBar(pBar) {}
    void Enable(BOOL) override { m_bEnableChanged = TRUE; }
    void SetCheck(int) override {}
    void SetText(const char* lpszText) override { m_pBar->SetPaneText(static_cast<int>(m_nIndex), lpszText); }

private:
    CStatusBar* m_pBar;
};

void DrawDragFrame(const RECT& rc)
{
    HDC hdc = ::GetDC(nullptr);
    for (int i = 0; i < 3; ++i) {
        RECT r = rc;
        ::InflateRect(&r, -i, -i);
        ::DrawFocusRect(hdc, &r);
    }
    ::ReleaseDC(nullptr, hdc);
}

} // namespace

void AfxInitCommonControls(DWORD dwClasses)
{
    static DWORD s_done = 0;
    if ((s_done & dwClasses) == dwClasses)
        return;
    INITCOMMONCONTROLSEX icc{sizeof icc, dwClasses};
    if (::InitCommonControlsEx(&icc))
        s_done |= dwClasses;
}

// ---------------------------------------------------------------------------
// CControlBar

CControlBar::~CControlBar()
{
    if (m_pFloatWnd)
        m_pFloatWnd->DestroyWindow();
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
}

BOOL CControlBar::CreateBar(DWORD dwExStyle, LPCSTR lpszClass, DWORD dwCtrlStyle, DWORD dwStyle,
                            CWnd* pParentWnd, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALL;
    m_pDockSite = static_cast<CFrameWnd*>(pParentWnd);
    // The bar lays itself out through the frame, not by the control's own rules.
    const DWORD wndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (!CreateEx(dwExStyle, lpszClass, nullptr, wndStyle, 0, 0, 0, 0, pParentWnd->m_hWnd,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID))))
        return FALSE;
    m_pDockSite->AddControlBar(this);
    return TRUE;
}

BOOL CControlBar::IsVisible() const
{
    if (!m_hWnd || !(::GetWindowLongA(m_hWnd, GWL_STYLE) & WS_VISIBLE))
        return FALSE;
    return !m_pFloatWnd || (::GetWindowLongA(m_pFloatWnd->m_hWnd, GWL_STYLE) & WS_VISIBLE);
}

HWND CControlBar::GetFloatingWindow() const
{
    return m_pFloatWnd ? m_pFloatWnd->m_hWnd : nullptr;
}

void CControlBar::DockAt(DWORD dwAlign)
{
    const bool bVisible = IsVisible();
    if (m_pFloatWnd) {
        ::SetParent(m_hWnd, m_pDockSite->m_hWnd);
        CMiniDockFrameWnd* pFloat = m_pFloatWnd;
        m_pFloatWnd = nullptr;
        pFloat->DestroyWindow();
    }
    m_dwStyle = (m_dwStyle & ~CBRS_ALIGN_ANY) | dwAlign;
    m_dwLastAlign = dwAlign;
    OnAlignChanged();
    ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
    m_pDockSite->RecalcLayout();
}

void CControlBar::FloatAt(POINT ptScreen)
{
    const bool bVisible = IsVisible();
    if (!m_pFloatWnd) {
        auto* pFloat = new CMiniDockFrameWnd;
        if (!pFloat->Create(this, ptScreen))
            return; // the window deleted its object
        m_pFloatWnd = pFloat;
        ::SetParent(m_hWnd, pFloat->m_hWnd);
        OnAlignChanged();
    }
    // Size the tool window around the bar's horizontal layout.
    const SIZE size = CalcFixedLayout(FALSE, TRUE);
    RECT rc{0, 0, size.cx, size.cy};
    ::AdjustWindowRectEx(&rc, static_cast<DWORD>(::GetWindowLongA(m_pFloatWnd->m_hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongA(m_pFloatWnd->m_hWnd, GWL_EXSTYLE)));
    m_pFloatWnd->SetWindowPos(nullptr, ptScreen.x, ptScreen.y, rc.right - rc.left, rc.bottom - rc.top,
                              SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
    m_pFloatWnd->ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
    m_pDockSite->RecalcLayout();
}

void CControlBar::TrackDrag(POINT ptStart)
{
    RECT rcBar;
    GetWindowRect(&rcBar);
    const HWND hFloat = GetFloatingWindow();
    if (hFloat)
        ::GetWindowRect(hFloat, &rcBar);
    const POINT grab{ptStart.x - rcBar.left, ptStart.y - rcBar.top};
    const SIZE horz = CalcFixedLayout(FALSE, TRUE);
    const SIZE vert = CalcFixedLayout(FALSE, FALSE);

    // Where the bar goes if released at pt: an edge, or a floating rectangle.
    DWORD align = 0;
    const auto target = [&](POINT pt) {
        align = m_pDockSite->DockAlignAt(pt, m_dwDockStyle);
        RECT rc;
        if (align & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM))
            rc = RECT{pt.x - grab.x, pt.y - horz.cy / 2, pt.x - grab.x + horz.cx, pt.y + horz.cy - horz.cy / 2};
        else if (align)
            rc = RECT{pt.x - vert.cx / 2, pt.y - grab.x, pt.x + vert.cx - vert.cx / 2, pt.y - grab.x + vert.cy};
        else
            rc = RECT{pt.x - grab.x, pt.y - grab.y, pt.x - grab.x + horz.cx, pt.y - grab.y + horz.cy};
        return rc;
    };

    ::SetCapture(m_hWnd);
    bool moved = false, cancelled = false, released = false;
    RECT shown{};
    POINT pt = ptStart;
    MSG msg;
    while (!released && !cancelled && ::GetCapture() == m_hWnd && ::GetMessageA(&msg, nullptr, 0, 0)) {
        switch (msg.message) {
        case WM_MOUSEMOVE:
            pt = msg.pt;
            if (!moved && std::abs(pt.x - ptStart.x) < ::GetSystemMetrics(SM_CXDRAG) &&
                std::abs(pt.y - ptStart.y) < ::GetSystemMetrics(SM_CYDRAG))
                break;
            if (moved)
                DrawDragFrame(shown);
            moved = true;
            shown = target(pt);
            DrawDragFrame(shown);
            break;
        case WM_LBUTTONUP:
            pt = msg.pt;
            released = true;
            break;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                cancelled = true;
            break;
        case WM_RBUTTONDOWN:
            cancelled = true;
            break;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    if (moved)
        DrawDragFrame(shown);
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (!released || !moved)
        return;
    target(pt);
    if (align)
        m_pDockSite->DockControlBar(this, align);
    else
        m_pDockSite->FloatControlBar(this, POINT{pt.x - grab.x, pt.y - grab.y});
}

// ---------------------------------------------------------------------------
// CToolBar

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSize)
    ON_MESSAGE(WM_NCPAINT, OnNcPaint)
    ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
    ON_MESSAGE(WM_ERASEBKGND, OnEraseBkgnd)
    ON_MESSAGE(WM_LBUTTONDOWN, OnLButtonDown)
    ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

CToolBar::~CToolBar()
{
    if (m_hWnd)
        DestroyWindow();
    if (m_hbmImages)
        ::DeleteObject(m_hbmImages);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, RECT, UINT nID)
{
    AfxInitCommonControls(ICC_BAR_CLASSES);
    if (dwStyle & CBRS_TOOLTIPS)
        dwCtrlStyle |= TBSTYLE_TOOLTIPS;
    if (!CreateBar(0, TOOLBARCLASSNAMEA, dwCtrlStyle, dwStyle, pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    // Commands and notifications go to the frame also while the bar floats.
    SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(pParentWnd->m_hWnd));
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    // The resource: WORDs version (1), image width, image height, item count,
    // then one command id per item (0 for a separator).
    HINSTANCE hInst = AfxGetInstanceHandle();
    HRSRC hRsrc = ::FindResourceA(hInst, MAKEINTRESOURCEA(nIDResource), MAKEINTRESOURCEA(241));
    HGLOBAL hGlobal = hRsrc ? ::LoadResource(hInst, hRsrc) : nullptr;
    const WORD* data = hGlobal ? static_cast<const WORD*>(::LockResource(hGlobal)) : nullptr;
    const DWORD size = hRsrc ? ::SizeofResource(hInst, hRsrc) : 0;
    if (!data || size < 8 || data[0] != 1 || size < 8u + 2u * data[3])
        return FALSE;
    const int cx = data[1], cy = data[2], count = data[3];

    // Light grey is the background: it is drawn in the button face colour.
    COLORMAP map{RGB(192, 192, 192), ::GetSysColor(COLOR_BTNFACE)};
    HBITMAP hbm = ::CreateMappedBitmap(hInst, static_cast<INT_PTR>(nIDResource), 0, &map, 1);
    if (!hbm)
        return FALSE;
    if (m_hbmImages)
        ::DeleteObject(m_hbmImages);
    m_hbmImages = hbm;
    BITMAP bm{};
    ::GetObjectA(hbm, sizeof bm, &bm);

    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(cx, cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(cx + 7, cy + 7));
    TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(hbm)};
    if (SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(bm.bmWidth / cx), reinterpret_cast<LPARAM>(&add)) < 0)
        return FALSE;
    int image = 0;
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        button.idCommand = data[4 + i];
        if (button.idCommand == 0) {
            button.fsStyle = TBSTYLE_SEP;
        } else {
            button.iBitmap = image++;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = TBSTYLE_BUTTON;
        }
        if (!SendMessage(TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button)))
            return FALSE;
    }
    return TRUE;
}

int CToolBar::GetCount() const
{
    return static_cast<int>(SendMessage(TB_BUTTONCOUNT));
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        if (GetItemID(i) == nIDFind)
            return i;
    }
    return -1;
}

TBBUTTON CToolBar::Button(int nIndex) const
{
    TBBUTTON button{};
    SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
    return button;
}

UINT CToolBar::GetItemID(int nIndex) const
{
    return static_cast<UINT>(Button(nIndex).idCommand);
}

void CToolBar::GetItemRect(int nIndex, RECT* lpRect) const
{
    if (!SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)))
        *lpRect = RECT{};
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button = Button(nIndex);
    return MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTON button = Button(nIndex);
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_BYINDEX | TBIF_STYLE | TBIF_STATE;
    info.fsStyle = LOBYTE(LOWORD(nStyle));
    // The layout's wrap mark is the bar's, not the caller's.
    info.fsState = static_cast<BYTE>((LOBYTE(HIWORD(nStyle)) ^ TBSTATE_ENABLED) & ~TBSTATE_WRAP) |
                   (button.fsState & TBSTATE_WRAP);
    SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info));
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    // For a separator, the image argument is its width in pixels.
    TBBUTTON button = Button(nIndex);
    button.idCommand = static_cast<int>(nID);
    button.iBitmap = iImage;
    button.fsStyle = LOBYTE(LOWORD(nStyle));
    button.fsState = static_cast<BYTE>((LOBYTE(HIWORD(nStyle)) ^ TBSTATE_ENABLED) | (button.fsState & TBSTATE_WRAP));
    SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex));
    SendMessage(TB_INSERTBUTTONA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button));
}

RECT CToolBar::NonClientBorders() const
{
    RECT b{kBorder, kBorder, kBorder, kBorder};
    if ((m_dwStyle & CBRS_GRIPPER) && !IsFloating()) {
        if (IsHorizontal())
            b.left = kGripper;
        else
            b.top = kGripper;
    }
    return b;
}

SIZE CToolBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    // The items' own layout (one row, or one column when every item wraps).
    // A column is as wide as its buttons: a wide separator (the font box's
    // place) reaches past it and stays out of sight.
    SIZE extent{0, 0};
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        RECT rc;
        GetItemRect(i, &rc);
        if (bHorz || !(Button(i).fsStyle & TBSTYLE_SEP))
            extent.cx = std::max(extent.cx, rc.right);
        extent.cy = std::max(extent.cy, rc.bottom);
    }
    RECT b{kBorder, kBorder, kBorder, kBorder};
    if ((m_dwStyle & CBRS_GRIPPER) && !IsFloating())
        (bHorz ? b.left : b.top) = kGripper;
    return SIZE{extent.cx + b.left + b.right, extent.cy + b.top + b.bottom};
}

void CToolBar::OnAlignChanged()
{
    // Docked at the left or right, the items run in one column.
    const BOOL bVert = !IsHorizontal();
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = Button(i);
        const BYTE state = bVert ? (button.fsState | TBSTATE_WRAP) : (button.fsState & ~TBSTATE_WRAP);
        if (state != button.fsState) {
            TBBUTTONINFOA info{};
            info.cbSize = sizeof info;
            info.dwMask = TBIF_BYINDEX | TBIF_STATE;
            info.fsState = state;
            SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
        }
    }
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state(this);
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = Button(i);
        if (button.fsStyle & TBSTYLE_SEP)
            continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = static_cast<UINT>(button.idCommand);
        state.m_pOther = m_hWnd;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

LRESULT CToolBar::OnNcCalcSize(WPARAM, LPARAM lParam)
{
    RECT* rc = reinterpret_cast<RECT*>(lParam);
    const RECT b = NonClientBorders();
    rc->left += b.left;
    rc->top += b.top;
    rc->right = std::max(rc->left, rc->right - b.right);
    rc->bottom = std::max(rc->top, rc->bottom - b.bottom);
    return 0;
}

LRESULT CToolBar::OnNcPaint(WPARAM, LPARAM)
{
    RECT rcWindow, rcClient;
    GetWindowRect(&rcWindow);
    GetClientRect(&rcClient);
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    ::OffsetRect(&rcClient, -rcWindow.left, -rcWindow.top);
    ::OffsetRect(&rcWindow, -rcWindow.left, -rcWindow.top);
    HDC hdc = ::GetWindowDC(m_hWnd);
    ::ExcludeClipRect(hdc, rcClient.left, rcClient.top, rcClient.right, rcClient.bottom);
    ::FillRect(hdc, &rcWindow, ::GetSysColorBrush(COLOR_BTNFACE));
    if ((m_dwStyle & CBRS_GRIPPER) && !IsFloating()) {
        RECT grip = IsHorizontal() ? RECT{3, kBorder + 1, 6, rcWindow.bottom - kBorder - 1}
                                   : RECT{kBorder + 1, 3, rcWindow.right - kBorder - 1, 6};
        ::DrawEdge(hdc, &grip, BDR_RAISEDINNER, BF_RECT);
    }
    ::ReleaseDC(m_hWnd, hdc);
    return 0;
}

LRESULT CToolBar::OnNcHitTest(WPARAM, LPARAM)
{
    return HTCLIENT; // the gripper takes the mouse like the rest of the bar
}

LRESULT CToolBar::OnEraseBkgnd(WPARAM wParam, LPARAM)
{
    RECT rc;
    GetClientRect(&rc);
    ::FillRect(reinterpret_cast<HDC>(wParam), &rc, ::GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

LRESULT CToolBar::OnLButtonDown(WPARAM, LPARAM lParam)
{
    // Off the buttons (the gripper, a gap), a press starts dragging the bar.
    POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    RECT rcClient;
    GetClientRect(&rcClient);
    const bool inClient = ::PtInRect(&rcClient, pt) != 0;
    if (m_dwDockStyle && (!inClient || SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&pt)) < 0)) {
        ::ClientToScreen(m_hWnd, &pt);
        TrackDrag(pt);
        return 0;
    }
    return Default();
}

void CToolBar::ShowPrompt(UINT nID)
{
    if (nID == m_nFlybyID)
        return;
    m_nFlybyID = nID;
    m_pDockSite->SetMessageText(nID ? nID : static_cast<UINT>(AFX_IDS_IDLEMESSAGE));
}

LRESULT CToolBar::OnMouseMove(WPARAM, LPARAM lParam)
{
    if (m_dwStyle & CBRS_FLYBY) {
        POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const int hit = static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&pt)));
        ShowPrompt(hit >= 0 ? GetItemID(hit) : 0);
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
    }
    return Default();
}

LRESULT CToolBar::OnMouseLeave(WPARAM, LPARAM)
{
    if (m_nFlybyID)
        ShowPrompt(0);
    return Default();
}

BOOL CToolBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // The tooltip asks the bar for a button's text: the part of the command's
    // string row after the line feed.
    NMHDR* pHdr = reinterpret_cast<NMHDR*>(lParam);
    if (pHdr->code != TTN_GETDISPINFOA && pHdr->code != TTN_GETDISPINFOW)
        return CControlBar::OnNotify(wParam, lParam, pResult);
    CString row;
    const char* tip = "";
    if (row.LoadString(static_cast<UINT>(pHdr->idFrom))) {
        if (const char* lf = std::strchr(row, '\n'))
            tip = lf + 1;
    }
    if (pHdr->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        ::lstrcpynA(info->szText, tip, static_cast<int>(sizeof info->szText));
        info->lpszText = info->szText;
        info->hinst = nullptr;
    } else {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        if (!::MultiByteToWideChar(CP_ACP, 0, tip, -1, info->szText, static_cast<int>(std::size(info->szText))))
            info->szText[0] = L'\0';
        info->szText[std::size(info->szText) - 1] = L'\0';
        info->lpszText = info->szText;
        info->hinst = nullptr;
    }
    *pResult = 0;
    return TRUE;
}

// ---------------------------------------------------------------------------
// CStatusBar

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_MESSAGE(WM_SIZE, OnSize)
END_MESSAGE_MAP()

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    AfxInitCommonControls(ICC_BAR_CLASSES);
    // A sizing grip when the frame can be resized.
    const DWORD grip = (::GetWindowLongA(pParentWnd->m_hWnd, GWL_STYLE) & WS_THICKFRAME) ? SBARS_SIZEGRIP : 0;
    return CreateBar(0, STATUSCLASSNAMEA, grip, dwStyle, pParentWnd, nID);
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    m_ids.assign(lpIDArray, lpIDArray + nIDCount);
    m_widths.assign(static_cast<size_t>(nIDCount), 0);
    m_texts.assign(static_cast<size_t>(nIDCount), CString());
    HDC hdc = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hdc, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
    bool ok = true;
    for (int i = 0; i < nIDCount && ok; ++i) {
        if (m_ids[static_cast<size_t>(i)] == ID_SEPARATOR)
            continue; // the message pane takes what the others leave
        CString text;
        ok = text.LoadString(m_ids[static_cast<size_t>(i)]);
        SIZE extent{};
        ::GetTextExtentPoint32A(hdc, text, text.GetLength(), &extent);
        m_widths[static_cast<size_t>(i)] = extent.cx;
        m_texts[static_cast<size_t>(i)] = text;
    }
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(m_hWnd, hdc);
    if (!ok)
        return FALSE;
    UpdateParts();
    for (int i = 0; i < nIDCount; ++i)
        SendMessage(SB_SETTEXTA, static_cast<WPARAM>(i) | (i == 0 ? SBT_NOBORDERS : 0),
                    reinterpret_cast<LPARAM>(m_texts[static_cast<size_t>(i)].GetString()));
    return TRUE;
}

void CStatusBar::UpdateParts()
{
    if (m_ids.empty())
        return;
    int borders[3] = {};
    SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    RECT rc;
    GetClientRect(&rc);
    // Right edges from the right: the last pane also leaves room for the grip.
    std::vector<int> edges(m_ids.size());
    int x = rc.right;
    if (::GetWindowLongA(m_hWnd, GWL_STYLE) & SBARS_SIZEGRIP)
        x -= ::GetSystemMetrics(SM_CXVSCROLL);
    edges.back() = -1;
    for (size_t i = m_ids.size() - 1; i > 0; --i) {
        x -= m_widths[i] + 2 * borders[0] + 2 * borders[2] + 4;
        edges[i - 1] = std::max(0, x);
    }
    SendMessage(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

LRESULT CStatusBar::OnSize(WPARAM, LPARAM)
{
    const LRESULT result = Default();
    UpdateParts();
    return result;
}

void CStatusBar::SetPaneText(int nIndex, const char* lpszNewText)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    CString& current = m_texts[static_cast<size_t>(nIndex)];
    if (current == lpszNewText)
        return;
    current = lpszNewText;
    SendMessage(SB_SETTEXTA, static_cast<WPARAM>(nIndex) | (nIndex == 0 ? SBT_NOBORDERS : 0),
                reinterpret_cast<LPARAM>(current.GetString()));
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_texts[static_cast<size_t>(nIndex)] : CString();
}

SIZE CStatusBar::CalcFixedLayout(BOOL, BOOL)
{
    HDC hdc = ::GetDC(m_hWnd);
    HGDIOBJ hOld = ::SelectObject(hdc, reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
    TEXTMETRICA tm{};
    ::GetTextMetricsA(hdc, &tm);
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(m_hWnd, hdc);
    int borders[3] = {};
    SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    return SIZE{32767, tm.tmHeight + 2 * borders[1] + 6};
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL)
{
    CStatusCmdUI state(this);
    for (int i = 0; i < GetCount(); ++i) {
        if (m_ids[static_cast<size_t>(i)] == ID_SEPARATOR)
            continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = m_ids[static_cast<size_t>(i)];
        state.m_pOther = m_hWnd;
        state.DoUpdate(pTarget, FALSE);
    }
}

// ---------------------------------------------------------------------------
// CMiniDockFrameWnd

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CWnd)
    ON_MESSAGE(WM_CLOSE, OnClose)
    ON_MESSAGE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
    ON_MESSAGE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
    ON_MESSAGE(WM_DESTROY, OnDestroyMsg)
END_MESSAGE_MAP()

BOOL CMiniDockFrameWnd::Create(CControlBar* pBar, POINT ptScreen)
{
    m_pBar = pBar;
    LPCSTR cls = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(WS_EX_TOOLWINDOW, cls, "", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, ptScreen.x,
                    ptScreen.y, 100, 40, pBar->GetDockingFrame()->m_hWnd, nullptr);
}

LRESULT CMiniDockFrameWnd::OnClose(WPARAM, LPARAM)
{
    // Closing the tool window hides the bar; the View menu shows it again.
    m_pBar->GetDockingFrame()->ShowControlBar(m_pBar, FALSE);
    return 0;
}

LRESULT CMiniDockFrameWnd::OnNcLButtonDblClk(WPARAM wParam, LPARAM)
{
    if (wParam != HTCAPTION)
        return Default();
    CControlBar* pBar = m_pBar;
    pBar->GetDockingFrame()->DockControlBar(pBar, pBar->GetLastDockAlign()); // destroys this window
    return 0;
}

LRESULT CMiniDockFrameWnd::OnNcLButtonDown(WPARAM wParam, LPARAM lParam)
{
    if (wParam != HTCAPTION)
        return Default();
    // Dragging the caption may dock the bar at an edge of the frame.
    m_pBar->TrackDrag(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
    return 0;
}

LRESULT CMiniDockFrameWnd::OnDestroyMsg(WPARAM, LPARAM)
{
    // Destroyed with the frame: the bar goes back to the frame (hidden), so
    // that it lives until the frame itself is destroyed.
    if (m_pBar->m_hWnd && ::GetParent(m_pBar->m_hWnd) == m_hWnd) {
        m_pBar->ShowWindow(SW_HIDE);
        ::SetParent(m_pBar->m_hWnd, m_pBar->GetDockingFrame()->m_hWnd);
    }
    if (m_pBar->m_pFloatWnd == this)
        m_pBar->m_pFloatWnd = nullptr;
    return Default();
}

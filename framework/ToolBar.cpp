#include "ToolBar.h"

#include "CommandRow.h"
#include "Dpi.h"
#include "FrameWnd.h"
#include "afxres.h"

#include <algorithm>
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

// An item as the rows see it.
struct RowItem {
    int cx;
    bool separator;
    bool holdsControl; // a separator with a command id
};

// Wrap marks that break the items into rows of at most cxMax pixels. A row
// ends at its last separator, which stays at the row's end as the divider
// below it; without one, before the item that does not fit. A separator that
// holds a control never ends a row: the toolbar would take its width for the
// divider's height.
std::vector<bool> RowsFor(const std::vector<RowItem>& items, int cxMax)
{
    const int count = static_cast<int>(items.size());
    std::vector<bool> wraps(items.size());
    const auto item = [&](int i) { return items[static_cast<size_t>(i)]; };
    const auto rowEnd = [&](int start, int overflow) {
        for (int j = overflow; j > start; --j) {
            if (item(j).separator && !item(j).holdsControl)
                return j;
        }
        for (int j = overflow - 1; j >= start; --j) {
            if (!item(j).separator)
                return j;
        }
        return -1; // the row stays too wide
    };
    int start = 0, x = 0;
    for (int i = 0; i < count; ++i) {
        x += item(i).cx;
        const int end = (x > cxMax && i > start) ? rowEnd(start, i) : -1;
        if (end >= 0) {
            wraps[static_cast<size_t>(end)] = true;
            start = end + 1;
            i = end;
            x = 0;
        }
    }
    return wraps;
}

} // namespace

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
    DestroyDetached(); // before the images it draws
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
    if (cx == 0 || cy == 0)
        return FALSE;
    const int buttons = static_cast<int>(count - std::count(data + 4, data + 4 + count, WORD{0}));

    // Light grey is the background: it is drawn in the button face colour.
    COLORMAP map{RGB(192, 192, 192), ::GetSysColor(COLOR_BTNFACE)};
    HBITMAP hbm = ::CreateMappedBitmap(hInst, static_cast<INT_PTR>(nIDResource), 0, &map, 1);
    if (!hbm)
        return FALSE;
    // The strip must hold a whole image for every button.
    BITMAP bm{};
    ::GetObjectA(hbm, sizeof bm, &bm);
    if (bm.bmHeight < cy || bm.bmWidth / cx < buttons) {
        ::DeleteObject(hbm);
        return FALSE;
    }
    const int images = bm.bmWidth / cx;
    const SIZE scaled{AfxScaleToDpi(cx), AfxScaleToDpi(cy)};
    if (scaled.cx != cx || scaled.cy != cy) {
        HBITMAP hbmScaled = AfxScaleImageStrip(hbm, images, SIZE{cx, cy}, scaled);
        ::DeleteObject(hbm);
        if (!hbmScaled)
            return FALSE;
        hbm = hbmScaled;
    }
    if (m_hbmImages)
        ::DeleteObject(m_hbmImages);
    m_hbmImages = hbm;

    const int padding = AfxScaleToDpi(7);
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(scaled.cx, scaled.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(scaled.cx + padding, scaled.cy + padding));
    TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(hbm)};
    if (SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(images), reinterpret_cast<LPARAM>(&add)) < 0)
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

RECT CToolBar::NonClientBorders(BOOL bHorz) const
{
    RECT b{kBorder, kBorder, kBorder, kBorder};
    if ((m_dwStyle & CBRS_GRIPPER) && !IsFloating())
        (bHorz ? b.left : b.top) = kGripper;
    return b;
}

std::vector<bool> CToolBar::Wraps() const
{
    const int count = GetCount();
    std::vector<bool> wraps(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        wraps[static_cast<size_t>(i)] = (Button(i).fsState & TBSTATE_WRAP) != 0;
    return wraps;
}

SIZE CToolBar::LayOut(const std::vector<bool>& wraps, BOOL bHorz, BOOL bCommit)
{
    const std::vector<bool> before = Wraps();
    const int count = GetCount();
    const auto apply = [&](const std::vector<bool>& w) {
        for (int i = 0; i < count; ++i) {
            const BYTE state = Button(i).fsState;
            const BYTE wanted = w[static_cast<size_t>(i)] ? (state | TBSTATE_WRAP) : (state & ~TBSTATE_WRAP);
            if (wanted == state)
                continue;
            TBBUTTONINFOA info{};
            info.cbSize = sizeof info;
            info.dwMask = TBIF_BYINDEX | TBIF_STATE;
            info.fsState = wanted;
            SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
        }
    };
    apply(wraps);
    // A column is as wide as its buttons: a wide separator (the font box's
    // place) reaches past it and stays out of sight. In rows, a separator
    // that ends a row is the divider below it and takes no width.
    SIZE extent{0, 0};
    for (int i = 0; i < count; ++i) {
        RECT rc;
        GetItemRect(i, &rc);
        const bool separator = (Button(i).fsStyle & TBSTYLE_SEP) != 0;
        if (!separator || (bHorz && !wraps[static_cast<size_t>(i)]))
            extent.cx = std::max(extent.cx, rc.right);
        extent.cy = std::max(extent.cy, rc.bottom);
    }
    if (!bCommit)
        apply(before);
    return extent;
}

SIZE CToolBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    // One row, or one column when every item wraps.
    const SIZE extent = LayOut(std::vector<bool>(static_cast<size_t>(GetCount()), !bHorz), bHorz, FALSE);
    const RECT b = NonClientBorders(bHorz);
    return SIZE{extent.cx + b.left + b.right, extent.cy + b.top + b.bottom};
}

SIZE CToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    // A floating bar has a plain border all round.
    const int borders = 2 * kBorder;
    std::vector<RowItem> items;
    for (int i = 0; i < GetCount(); ++i) {
        RECT rc;
        GetItemRect(i, &rc);
        const TBBUTTON b = Button(i);
        items.push_back(RowItem{rc.right - rc.left, (b.fsStyle & TBSTYLE_SEP) != 0, b.idCommand != 0});
    }
    std::vector<bool> wraps;
    if (dwMode & LM_LENGTHY) {
        // From the narrowest layout on, the first that is short enough; at
        // the end, one row.
        for (int cx = 0;; ++cx) {
            std::vector<bool> tried = std::move(wraps);
            wraps = RowsFor(items, cx);
            if (std::find(wraps.begin(), wraps.end(), true) == wraps.end() ||
                (wraps != tried && LayOut(wraps, TRUE, FALSE).cy + borders <= nLength))
                break;
        }
    } else {
        wraps = RowsFor(items, ((dwMode & LM_MRUWIDTH) ? m_nMRUWidth : nLength) - borders);
    }
    const SIZE extent = LayOut(wraps, TRUE, (dwMode & LM_COMMIT) != 0);
    const SIZE size{extent.cx + borders, extent.cy + borders};
    if (dwMode & LM_COMMIT) {
        m_nMRUWidth = size.cx;
        OnLayoutChanged();
    }
    return size;
}

void CToolBar::OnAlignChanged()
{
    // Docked at the left or right, the items run in one column; else in one
    // row, until a floating window asks for rows.
    LayOut(std::vector<bool>(static_cast<size_t>(GetCount()), !IsHorizontal()), IsHorizontal(), TRUE);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    OnLayoutChanged();
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHandler)
{
    CToolCmdUI state(this);
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        TBBUTTON button = Button(i);
        if (button.fsStyle & TBSTYLE_SEP)
            continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = static_cast<UINT>(button.idCommand);
        state.DoUpdate(pTarget, bDisableIfNoHandler);
    }
}

LRESULT CToolBar::OnNcCalcSize(WPARAM, LPARAM lParam)
{
    RECT* rc = reinterpret_cast<RECT*>(lParam);
    const RECT b = NonClientBorders(IsHorizontal());
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
    // The tooltip asks the bar for a button's text: the tooltip part of the
    // command's string row, cut to the notification's buffer.
    NMHDR* pHdr = reinterpret_cast<NMHDR*>(lParam);
    if (pHdr->code != TTN_GETDISPINFOA && pHdr->code != TTN_GETDISPINFOW)
        return CControlBar::OnNotify(wParam, lParam, pResult);
    char tip[std::size(NMTTDISPINFOA{}.szText)];
    AfxCopyText(tip, sizeof tip, AfxLoadTooltip(static_cast<UINT>(pHdr->idFrom)));
    if (pHdr->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        std::memcpy(info->szText, tip, sizeof tip);
        info->lpszText = info->szText;
        info->hinst = nullptr;
    } else {
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        if (!::MultiByteToWideChar(CP_ACP, 0, tip, -1, info->szText, static_cast<int>(std::size(info->szText))))
            info->szText[0] = L'\0';
        info->lpszText = info->szText;
        info->hinst = nullptr;
    }
    *pResult = 0;
    return TRUE;
}


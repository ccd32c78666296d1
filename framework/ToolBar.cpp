// CToolBar's items: created from a toolbar resource and its image strip,
// read and restyled by index, and their states set by the update rules.
#include "ToolBar.h"

#include "Dpi.h"
#include "FrameWnd.h"

#include <algorithm>

namespace {

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

} // namespace

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
    ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSize)
    ON_MESSAGE(WM_NCPAINT, OnNcPaint)
    ON_MESSAGE(WM_NCHITTEST, OnNcHitTest)
    ON_MESSAGE(WM_ERASEBKGND, OnEraseBkgnd)
    ON_MESSAGE(WM_LBUTTONDOWN, OnLButtonDown)
    ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
    ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
END_MESSAGE_MAP()

CToolBar::~CToolBar()
{
    DestroyDetached(); // before the images and font it draws with
    if (m_hImages)
        ::ImageList_Destroy(m_hImages);
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
    m_nIDResource = nIDResource;
    m_sizeImage = SIZE{cx, cy};
    m_nButtons = static_cast<int>(count - std::count(data + 4, data + 4 + count, WORD{0}));
    ScaleToDpi(TopLevelDpi());
    if (!m_hImages)
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

BOOL CToolBar::LoadImages(int nDpi)
{
    // Light grey is the background: it is drawn in the button face colour.
    COLORMAP map{RGB(192, 192, 192), ::GetSysColor(COLOR_BTNFACE)};
    HBITMAP hbm = ::CreateMappedBitmap(AfxGetInstanceHandle(), static_cast<INT_PTR>(m_nIDResource), 0, &map, 1);
    if (!hbm)
        return FALSE;
    // The strip must hold a whole image for every button.
    BITMAP bm{};
    ::GetObjectA(hbm, sizeof bm, &bm);
    const SIZE from = m_sizeImage;
    const int images = bm.bmHeight < from.cy ? 0 : bm.bmWidth / from.cx;
    const SIZE to{AfxScaleToDpi(from.cx, nDpi), AfxScaleToDpi(from.cy, nDpi)};
    if (images >= m_nButtons && (to.cx != from.cx || to.cy != from.cy)) {
        HBITMAP hbmScaled = AfxScaleImageStrip(hbm, images, from, to);
        ::DeleteObject(hbm);
        hbm = hbmScaled;
    }
    // As the control would keep the strip itself: the face colour transparent.
    HIMAGELIST hImages = hbm && images >= m_nButtons ? ::ImageList_Create(to.cx, to.cy, ILC_COLORDDB | ILC_MASK, images, 0)
                                                     : nullptr;
    const bool ok = hImages && ::ImageList_AddMasked(hImages, hbm, map.to) >= 0;
    if (hbm)
        ::DeleteObject(hbm);
    if (!ok) {
        if (hImages)
            ::ImageList_Destroy(hImages);
        return FALSE;
    }
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hImages));
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(to.cx, to.cy));
    if (m_hImages)
        ::ImageList_Destroy(m_hImages);
    m_hImages = hImages;
    const int padding = AfxScaleToDpi(7, nDpi);
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(to.cx + padding, to.cy + padding));
    return TRUE;
}

LRESULT CToolBar::OnSysColorChange(WPARAM, LPARAM)
{
    // The images were made for the old button face colour.
    if (m_hImages)
        LoadImages(GetDpi());
    return Default(); // the control's own colours
}

void CToolBar::ScaleToDpi(int nDpi)
{
    CControlBar::ScaleToDpi(nDpi);
    LoadImages(nDpi); // on failure the images stay as they were
    const LOGFONTW lf = AfxGetSystemFont(true, nDpi);
    // The tooltip takes the font as it asks for a text; one that may hold the
    // old font is handed the new one before the old is deleted. None is sent
    // at creation: Wine's tooltip, sent one then, keeps a topmost frame below it.
    m_fontTips.CreateFontFor(m_fontTips ? reinterpret_cast<HWND>(SendMessage(TB_GETTOOLTIPS)) : nullptr, lf);
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

#include "CharView.h"

#include "../app/MainFrame.h"
#include "../exchange/Cp932.h"
#include "../exchange/ViewText.h"
#include "../framework/CommandRow.h"
#include "../res/resource.h"
#include "InputDlg.h"
#include "GlyphRun.h"
#include "StatusText.h"

#include <oleacc.h>

#include <cstring>

BEGIN_MESSAGE_MAP(CCharView, CWnd)
    ON_WM_PAINT()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_COMMAND(ID_PREV_CHAR, PrevChar)
    ON_UPDATE_COMMAND_UI(ID_PREV_CHAR, OnUpdatePrevChar)
    ON_COMMAND(ID_NEXT_CHAR, NextChar)
    ON_UPDATE_COMMAND_UI(ID_NEXT_CHAR, OnUpdateNextChar)
    ON_COMMAND(ID_FIRST_CHAR, FirstChar)
    ON_UPDATE_COMMAND_UI(ID_FIRST_CHAR, OnUpdatePrevChar)
    ON_COMMAND(ID_LAST_CHAR, LastChar)
    ON_UPDATE_COMMAND_UI(ID_LAST_CHAR, OnUpdateNextChar)
    ON_COMMAND(ID_INPUT_TEXT, OnInputText)
    ON_MESSAGE(WM_MOUSEWHEEL, OnMouseWheel)
    ON_MESSAGE(WM_MOUSEHWHEEL, OnMouseHWheel)
END_MESSAGE_MAP()

namespace {

constexpr CLSID kClsidAccPropServices = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};

// The window procedure in front of the framework's, so that the view's text
// (its accessible name) is read in Unicode by any process: an ANSI window
// would answer through the system's code page, and a character that code
// page lacks would come out as '?'. Every other message reaches the
// framework's procedure converted as before.
WNDPROC g_pfnFrameworkProc = nullptr;

LRESULT CALLBACK UnicodeTextProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETTEXT || message == WM_GETTEXTLENGTH)
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    return ::CallWindowProcW(g_pfnFrameworkProc, hWnd, message, wParam, lParam);
}

} // namespace

void CCharView::SetText(const char* text, size_t cbText)
{
    m_cursor.Assign(text, cbText);
    OnShownCharChanged();
}

void CCharView::SetText(const Cp932Text& text)
{
    m_cursor.Assign(text.bytes.c_str(), text.bytes.size(), text.kept, text.joins);
    OnShownCharChanged();
}

void CCharView::Move(bool moved)
{
    if (moved)
        OnShownCharChanged();
}

void CCharView::NextChar()
{
    Move(m_cursor.StepForward());
}

void CCharView::PrevChar()
{
    Move(m_cursor.StepBack());
}

void CCharView::FirstChar()
{
    Move(m_cursor.StepToFirst());
}

void CCharView::LastChar()
{
    Move(m_cursor.StepToLast());
}

LRESULT CCharView::OnMouseWheel(WPARAM wParam, LPARAM)
{
    Move(m_cursor.StepBy(-m_wheel.Add(GET_WHEEL_DELTA_WPARAM(wParam))));
    return 0;
}

LRESULT CCharView::OnMouseHWheel(WPARAM wParam, LPARAM)
{
    Move(m_cursor.StepBy(m_tilt.Add(GET_WHEEL_DELTA_WPARAM(wParam))));
    return 0;
}

void CCharView::OnShownCharChanged()
{
    Invalidate(TRUE);
    // The panes follow at once, whatever brought the change: a drop that Wine
    // delivers inside its own event handling is followed by no message that
    // starts an idle pass.
    if (HWND hFrame = ::GetParent(m_hWnd))
        ::PostMessageA(hFrame, WM_IDLEUPDATECMDUI, 0, 0);
    AnnounceShownChar();
}

CStringW CCharView::GetFaceNote() const
{
    const CMainFrame* pFrame = static_cast<const CMainFrame*>(AfxGetMainWnd());
    if (!pFrame || m_cursor.IsEmpty())
        return CStringW();
    const std::u16string face = DrawingFace(m_cursor);
    if (face.empty())
        return AfxLoadText(IDS_NO_FACE);
    if (pFrame->GetSelectedFace() == WideOf(face))
        return CStringW();
    CStringW note = AfxLoadText(IDS_SHOWN_IN);
    const size_t at = note.find(L"%s");
    if (at < note.size())
        note.replace(at, 2, WideOf(face));
    return note;
}

void CCharView::OnFacesChanged()
{
    Invalidate(TRUE);
    AnnounceShownChar();
}

void CCharView::OnFontsInstalled()
{
    m_systemFaces.Forget();
    m_faceChoice.Forget();
    OnFacesChanged();
}

void CCharView::AnnounceShownChar()
{
    // The accessible name is the character: the window's text, in Unicode,
    // and annotated as well where the system keeps annotations.
    const CStringW name = exchange::CurrentText(m_cursor);
    ::DefWindowProcW(m_hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (m_pAccProps) {
        const MSAAPROPID props[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
        if (name.empty()) {
            m_pAccProps->ClearHwndProps(m_hWnd, OBJID_CLIENT, CHILDID_SELF, props, 2);
        } else {
            // The description: the position and the codes as the panes show
            // them, every code point of the character.
            char text[64];
            FormatPositionText(text, sizeof text, m_cursor);
            std::strcat(text, "  ");
            const size_t n = std::strlen(text);
            FormatCodeText(text + n, sizeof text - n, m_cursor);
            std::strcat(text, "  ");
            const std::u16string codes = FormatCodePoints(GetCodePoints());
            CStringW description(text, text + std::strlen(text)); // ASCII
            description.append(codes.begin(), codes.end());
            const CStringW note = GetFaceNote();
            if (!note.empty())
                description += L"  " + note;
            m_pAccProps->SetHwndPropStr(m_hWnd, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, name.c_str());
            m_pAccProps->SetHwndPropStr(m_hWnd, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                        description.c_str());
        }
        ::NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
    }
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, m_hWnd, OBJID_CLIENT, CHILDID_SELF);
}

void CCharView::OnUpdateNextChar(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_cursor.HasNext());
}

void CCharView::OnUpdatePrevChar(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_cursor.HasPrev());
}

int CCharView::GetCodeText(char* buffer, size_t cbBuffer) const
{
    FormatCodeText(buffer, cbBuffer, m_cursor);
    return 1;
}

std::u32string CCharView::GetCodePoints() const
{
    const CStringW units = exchange::CurrentText(m_cursor);
    std::u32string codes;
    for (size_t i = 0; i < units.size();)
        codes += cp932::NextCodePoint(reinterpret_cast<const char16_t*>(units.c_str()), units.size(), i);
    return codes;
}

BOOL CCharView::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    cs.style &= ~WS_BORDER;
    // Every size change repaints the whole glyph; double-clicks open the input dialog.
    cs.lpszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                       reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return cs.lpszClass != nullptr;
}

int CCharView::OnCreate(LPCREATESTRUCTA lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1)
        return -1;
    m_dropTarget.Register(this); // without it the view takes no drops, silently
    g_pfnFrameworkProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&UnicodeTextProc)));
    // A screen reader reads the view as static text. Dynamic annotation sets
    // the role (and the texts) of the system's own accessible object; where
    // the system has none, the name is still the window's text.
    if (SUCCEEDED(::CoCreateInstance(kClsidAccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                     reinterpret_cast<void**>(&m_pAccProps)))) {
        VARIANT role{};
        role.vt = VT_I4;
        role.lVal = ROLE_SYSTEM_STATICTEXT;
        if (FAILED(m_pAccProps->SetHwndProp(m_hWnd, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_ROLE, role))) {
            m_pAccProps->Release(); // a system that keeps no annotations (Wine)
            m_pAccProps = nullptr;
        }
    }
    return 0;
}

void CCharView::OnDestroy()
{
    if (m_pAccProps) {
        const MSAAPROPID props[] = {PROPID_ACC_ROLE, PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
        m_pAccProps->ClearHwndProps(m_hWnd, OBJID_CLIENT, CHILDID_SELF, props, 3);
        m_pAccProps->Release();
        m_pAccProps = nullptr;
    }
    CWnd::OnDestroy();
}

LOGFONTW CCharView::GlyphFontFor(const CTextCursor& cursor, int cx, int cy) const
{
    GlyphStyle style;
    if (const CMainFrame* pFrame = static_cast<const CMainFrame*>(AfxGetMainWnd()))
        style = {pFrame->IsBold() != 0, pFrame->IsItalic() != 0, pFrame->GetSelectedFace(),
                 WideOf(DrawingFace(cursor))};
    return GlyphLogFont(cursor.CurrentIsWide(), cx, cy, style);
}

std::u16string CCharView::DrawingFace(const CTextCursor& cursor) const
{
    const CMainFrame* pFrame = static_cast<const CMainFrame*>(AfxGetMainWnd());
    if (!pFrame)
        return std::u16string();
    const std::u16string chosen = Utf16Of(pFrame->GetSelectedFace().c_str());
    if (chosen.empty() || cursor.IsEmpty() || !pFrame->IsFallbackOn())
        return chosen;
    return m_faceChoice.FaceFor(chosen, Utf16Of(exchange::CurrentText(cursor).c_str()));
}

namespace {

// A font of a face standing in for the chosen one (see GlyphFontFor).
bool IsStandIn(const LOGFONTW& lf)
{
    return lf.lfCharSet != SHIFTJIS_CHARSET;
}

// The cursor's character at the context's origin, in the user's window text
// colour with no cell box of its own (the erased background shows around
// the strokes). One that code page 932 lacks, one with others joined to it,
// or one drawn in a face other than the chosen one, is shaped in the font
// (its shaping cache pCache) as one.
void DrawGlyph(HDC hDC, const CTextCursor& cursor, SCRIPT_CACHE* pCache, bool bOtherFace)
{
    ::SetTextColor(hDC, ::GetSysColor(COLOR_WINDOWTEXT));
    ::SetBkMode(hDC, TRANSPARENT);
    const CStringW glyph = exchange::CurrentText(cursor);
    if (!cursor.CurrentKept() && cursor.CurrentEnd() == cursor.GetPos() + cursor.CurrentWidth() && !bOtherFace) {
        ::TextOutW(hDC, 0, 0, glyph.c_str(), static_cast<int>(glyph.size()));
        return;
    }
    CGlyphRun run(pCache);
    if (run.Shape(hDC, glyph.c_str(), static_cast<int>(glyph.size())))
        run.Draw(hDC);
}

} // namespace

picture::ShownGlyph CCharView::GetShownGlyph() const
{
    RECT rc, rcClient;
    GetWindowRect(&rc);
    GetClientRect(&rcClient);
    return {exchange::CurrentText(m_cursor), GlyphFont(rc.right - rc.left, rc.bottom - rc.top), {rcClient.right, rcClient.bottom}};
}

void CCharView::OnPaint()
{
    CPaintDC dc(this);
    if (m_cursor.IsEmpty())
        return;
    // The cell is the outer window's size, the sunken edge included.
    RECT rc;
    GetWindowRect(&rc);
    POINT corners[2] = {{rc.left, rc.top}, {rc.right, rc.bottom}};
    dc.DPtoLP(corners, 2);
    SCRIPT_CACHE* pCache = nullptr;
    const LOGFONTW lf = GlyphFont(corners[1].x - corners[0].x, corners[1].y - corners[0].y);
    HFONT hFont = m_fonts.Get(lf, &pCache);
    if (!hFont)
        return;
    CSelectObject select(dc, hFont);
    DrawGlyph(dc, m_cursor, pCache, IsStandIn(lf));
    m_bWarmPending = true;
}

bool CCharView::WarmNeighbourGlyphs()
{
    if (!m_bWarmPending)
        return false;
    m_bWarmPending = false;
    // A glyph this large takes the rasterizer longer than a frame the first
    // time; drawn once into a scratch context, it is cached for the real paint.
    RECT rc;
    GetWindowRect(&rc);
    CClientDC dcView(this);
    CScratchDC dc(dcView);
    if (!dc)
        return true;
    for (const bool forward : {true, false}) {
        CTextCursor neighbour = m_cursor;
        if (!(forward ? neighbour.StepForward() : neighbour.StepBack()))
            continue;
        SCRIPT_CACHE* pCache = nullptr;
        const LOGFONTW lf = GlyphFontFor(neighbour, rc.right - rc.left, rc.bottom - rc.top);
        HFONT hFont = m_fonts.Get(lf, &pCache);
        if (!hFont)
            continue;
        CSelectObject select(dc, hFont);
        DrawGlyph(dc, neighbour, pCache, IsStandIn(lf));
    }
    return true;
}

void CCharView::OnLButtonDblClk(UINT nFlags, POINT point)
{
    CWnd::OnLButtonDblClk(nFlags, point);
    OnInputText();
}

void CCharView::OnInputText()
{
    CInputDlg dlg;
    if (dlg.DoModal() == IDOK)
        SetText(dlg.m_input);
}

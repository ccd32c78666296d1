// The main frame's clipboard commands: Paste, Copy and clipboard monitoring
// through the system's viewer chain.
#include "../app/MainFrame.h"

#include "../app/ViewerApp.h"
#include "ViewText.h"

#include <cstring>

namespace {

// How long a chain notice may wait on the next viewer. A viewer that has
// stopped answering is skipped after this (at once, once the system counts it
// as hung); a live one still handles the notice, in its turn.
constexpr UINT kNoticeTimeoutMs = 500;

} // namespace

void CMainFrame::JoinClipboardChain()
{
    // The notification that joining sends arrives inside this call, while the
    // link is still null: it pastes the current text and goes no further.
    m_hWndNextViewer = ::SetClipboardViewer(m_hWnd);
}

void CMainFrame::LeaveClipboardChain()
{
    ::ChangeClipboardChain(m_hWnd, m_hWndNextViewer);
    m_hWndNextViewer = nullptr;
}

void CMainFrame::PassToNextViewer(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (m_hWndNextViewer)
        ::SendMessageTimeoutA(m_hWndNextViewer, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                              kNoticeTimeoutMs, nullptr);
}

void CMainFrame::OnViewClipWatch()
{
    m_nFlags ^= FLAG_CLIPWATCH;
    if (m_nFlags & FLAG_CLIPWATCH)
        JoinClipboardChain();
    else
        LeaveClipboardChain();
}

void CMainFrame::OnUpdateViewClipWatch(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck((m_nFlags & FLAG_CLIPWATCH) != 0);
    pCmdUI->Enable(TRUE);
}

void CMainFrame::OnEditPaste()
{
    // A clipboard that another program holds open: this change is not taken.
    if (!::IsClipboardFormatAvailable(CF_TEXT) || !::OpenClipboard(m_hWnd))
        return;
    exchange::SetViewText(m_wndView, ::GetClipboardData(CF_TEXT));
    ::CloseClipboard();
}

void CMainFrame::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(::IsClipboardFormatAvailable(CF_TEXT));
}

void CMainFrame::OnEditCopy()
{
    // The whole text with its terminator, in a block the clipboard can take.
    const CString& text = m_wndView.GetText();
    const size_t cb = static_cast<size_t>(text.GetLength()) + 1;
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, cb);
    void* p = hBlock ? ::GlobalLock(hBlock) : nullptr;
    if (!p) {
        // Nothing to hand over: the clipboard stays as it was.
        if (hBlock)
            ::GlobalFree(hBlock);
        return;
    }
    std::memcpy(p, text.GetString(), cb);
    ::GlobalUnlock(hBlock);

    if (!::OpenClipboard(m_hWnd)) {
        ::GlobalFree(hBlock);
        return;
    }
    // Once the clipboard has taken the block it is the clipboard's.
    if (!::EmptyClipboard() || !::SetClipboardData(CF_TEXT, hBlock))
        ::GlobalFree(hBlock);
    // Heading the chain, we are notified of our own copy inside the close:
    // the flag keeps that notice from pasting the text straight back.
    theApp.m_bSelfCopy = 1;
    ::CloseClipboard();
    theApp.m_bSelfCopy = 0;
}

void CMainFrame::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_wndView.GetText().IsEmpty());
}

void CMainFrame::OnChangeCbChain(HWND hWndRemove, HWND hWndAfter)
{
    CFrameWnd::OnChangeCbChain(hWndRemove, hWndAfter);
    if (hWndRemove == m_hWndNextViewer)
        m_hWndNextViewer = hWndAfter; // our link repaired; the notice goes no further
    else
        PassToNextViewer(WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(hWndRemove),
                         reinterpret_cast<LPARAM>(hWndAfter));
}

void CMainFrame::OnDrawClipboard()
{
    CFrameWnd::OnDrawClipboard();
    if (!theApp.m_bSelfCopy)
        OnEditPaste();
    PassToNextViewer(WM_DRAWCLIPBOARD, 0, 0);
    // Paste's state follows the new content even while we are in the background.
    PostMessage(WM_IDLEUPDATECMDUI);
}

// The main frame's clipboard commands: Paste, Copy and clipboard monitoring
// through the system's viewer chain.
#include "../app/MainFrame.h"

#include "ViewText.h"

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
    // Queued for the next viewer without waiting on it: one that has stopped
    // answering does not freeze us, and one that is only slow still gets every
    // notice, in order, once it reads its messages. A send with a time limit
    // would take a notice back unread when the limit ran out.
    if (m_hWndNextViewer)
        ::SendNotifyMessageA(m_hWndNextViewer, message, wParam, lParam);
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
    // A notice that arrives while we read (inside GetClipboardData, which may
    // wait on the program that holds the data) must not read and close the
    // clipboard under us: it asks for one more read once this one is done.
    if (m_bPasting) {
        m_bPasteAgain = true;
        return;
    }
    m_bPasting = true;
    struct Reading {
        bool& bPasting;
        ~Reading() { bPasting = false; }
    } reading{m_bPasting};
    do {
        m_bPasteAgain = false;
        PasteClipboardText();
    } while (m_bPasteAgain);
}

void CMainFrame::PasteClipboardText()
{
    if (!exchange::ClipboardHasText())
        return;
    // A clipboard that another program holds open: this change is not taken.
    CClipboard clipboard(m_hWnd);
    if (!clipboard)
        return;
    // The text as its source put it, never as the system made it up through
    // the code page of a keyboard layout.
    const UINT format = exchange::ClipboardSourceTextFormat();
    if (format)
        exchange::SetViewText(m_wndView, ::GetClipboardData(format), format);
}

void CMainFrame::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(exchange::ClipboardHasText());
}

void CMainFrame::OnEditCopy()
{
    // The whole text with its terminator, in blocks the clipboard can take.
    const exchange::TextFormats formats = exchange::CopyTextFormats();
    CGlobalBlock first(exchange::NewTextBlock(m_wndView.GetCursor(), formats.first));
    CGlobalBlock second(formats.second ? exchange::NewTextBlock(m_wndView.GetCursor(), formats.second) : nullptr);
    if (!first.Get() || (formats.second && !second.Get()))
        return; // nothing to hand over: the clipboard stays as it was
    CClipboard clipboard(m_hWnd);
    if (!clipboard || !::EmptyClipboard())
        return;
    // Once the clipboard has taken a block it is the clipboard's. Emptied, the
    // clipboard is ours: the notice of this copy is not read back.
    if (::SetClipboardData(formats.first, first.Get()))
        first.Detach();
    if (formats.second && ::SetClipboardData(formats.second, second.Get()))
        second.Detach();
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
    // Our own copy is not read back: not inside the close (while we head the
    // chain), nor later, passed on by a viewer that heads it. A notice still
    // on its way after monitoring was turned off reads nothing.
    if ((m_nFlags & FLAG_CLIPWATCH) && ::GetClipboardOwner() != m_hWnd)
        OnEditPaste();
    PassToNextViewer(WM_DRAWCLIPBOARD, 0, 0);
    // Paste's state follows the new content even while we are in the background.
    PostMessage(WM_IDLEUPDATECMDUI);
}

// The view's text in the blocks of the clipboard and of drops. The stored text
// is code page 932 whatever the system's code page: CF_TEXT in code page 932
// crosses as its bytes exactly as they are; everything else is converted.
#pragma once
#include "../view/CharView.h"

#include <cstddef>
#include <string>

namespace exchange {

// The text formats in the order a drop takes them: the system's own text
// first where that is code page 932, the stored text's, else Unicode first.
struct TextFormats {
    UINT first, second;
};
TextFormats DropTextFormats();

// Whether the clipboard offers text in either format.
bool ClipboardHasText();
// Of the clipboard's two text formats, the one its owner put there (the
// clipboard, open, lists it first); the other is made up from it by the
// system through a guessed code page. 0 when it has no text.
UINT ClipboardSourceTextFormat();
// The formats Copy puts, each of them the text exactly, so that no reader
// goes through the system's guess: CF_TEXT and CF_UNICODETEXT on a system
// whose code page is 932; elsewhere Unicode alone (the system's CF_TEXT is
// all its own programs can read).
TextFormats CopyTextFormats();

// Locks the block and gives the view its text: CF_TEXT (in the system's code
// page) or CF_UNICODETEXT, converted to code page 932 where it must be, read
// only within the block and no further than the view keeps. A null block,
// or one that cannot be locked, empties the view.
void SetViewText(CCharView& view, HGLOBAL hBlock, UINT format);

// A new block (the caller's) that holds the view's text with its terminator
// in the format: CF_TEXT its bytes, CF_UNICODETEXT its characters (those
// kept beside the bytes as themselves); null when none could be had.
HGLOBAL NewTextBlock(const CTextCursor& text, UINT format);

// Unicode text (n units, or up to its terminator) in code page 932, with the
// characters that code page lacks kept beside it, as far as the view keeps.
Cp932Text Cp932FromUnicode(const wchar_t* p, size_t n);

// The characters of the text from byte offset nFrom to nTo, in Unicode.
CStringW UnicodeText(const CTextCursor& text, int nFrom, int nTo);

// The cursor's character (with all that is joined to it) in Unicode; empty
// for an empty text.
CStringW CurrentText(const CTextCursor& text);

} // namespace exchange

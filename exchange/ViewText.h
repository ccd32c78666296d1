// The view's text in the blocks of the clipboard and of drops. The stored text
// is code page 932 whatever the system's code page: on a system whose code
// page is 932, text crosses as CF_TEXT bytes exactly as they are; on any other
// it crosses as Unicode, converted.
#pragma once
#include "../view/CharView.h"

#include <cstddef>
#include <string>

namespace exchange {

// True when the system's code page is 932, the stored text's own.
bool SystemIsCp932();
// The format the clipboard's text is read and written in: CF_TEXT on a
// system whose code page is 932, CF_UNICODETEXT on any other.
UINT ClipboardTextFormat();

// Locks the block and gives the view its text: CF_TEXT (in the system's code
// page) or CF_UNICODETEXT, converted to code page 932 where it must be, read
// only within the block and no further than the view keeps. A null block,
// or one that cannot be locked, empties the view.
void SetViewText(CCharView& view, HGLOBAL hBlock, UINT format);

// A new block (the caller's) that holds the view's text with its terminator
// in the format; null when none could be had.
HGLOBAL NewTextBlock(const CString& text, UINT format);

// Unicode text (n units, or up to its terminator) in code page 932, as far
// as the view keeps.
std::string Cp932FromUnicode(const wchar_t* p, size_t n);

} // namespace exchange

// The option bits of the main frame (m_nFlags), as stored under "flags".
// Bits without a meaning here are kept and written back unchanged.
#pragma once

constexpr int FLAG_CLIPWATCH = 0x1; // clipboard monitoring on
constexpr int FLAG_TOPMOST = 0x2;   // main window always on top
constexpr int FLAG_BOLD = 0x4;      // glyph drawn bold
constexpr int FLAG_ITALIC = 0x8;    // glyph drawn italic

// A drawing encoded as PNG, through the Windows Imaging Component.
#pragma once
#include <string>

namespace picture {

// The PNG file of a 24-bit bottom-up DIB's pixels (width by height, rows of
// stride bytes); false where the system has no encoder or it fails. COM
// must be initialised on the thread.
bool EncodePng(const unsigned char* bits, int width, int height, int stride, std::string& png);

} // namespace picture

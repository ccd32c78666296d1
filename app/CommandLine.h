// The text given to the program on its command line, and the pictures a
// command line may ask for instead of a window. Pure C++.
#pragma once
#include "../picture/PictureName.h"

namespace cmdline {

struct Span {
    const wchar_t* first;
    const wchar_t* last; // one past the end; equal to first for no text
};

// The text of a command line as the system hands it over (the program's name
// first, quoted or not): everything after the name and the blanks that follow
// it, without blanks at its end, and without one pair of quotes around it.
Span TextArgument(const wchar_t* line);

// The exit codes of `--pictures`: every bad input has its own, and none
// writes a file.
enum PicturesExit {
    kPicturesWritten = 0,   // every file written
    kNoFolder = 2,          // no DIR given, or no such folder
    kFolderNotWritable = 3, // a file could not be written into DIR
    kBadSize = 4,           // PIXELS is not a whole number from 1 to 8192
    kBadFormat = 5,         // a format other than png, svg and emf
    kNoText = 6,            // TEXT is empty
    kTextTooLong = 7,       // TEXT is longer than the 256 bytes of Shift-JIS that quelvan holds
    kUnknownOption = 8,     // another option before TEXT (a TEXT in quotes may begin with "--")
    kNotDrawn = 9,          // a picture could not be drawn (no font, no memory)
};

constexpr int kDefaultPictureSize = 512, kMaxPictureSize = 8192;

// `--pictures DIR [--format png|svg|emf] [--size PIXELS] TEXT` after the
// program's name: DIR and the options' values as tokens (in quotes where
// they hold blanks), TEXT the rest of the line as TextArgument takes it.
struct PicturesRequest {
    bool asked = false; // the line begins with --pictures
    int error = 0;      // a PicturesExit where the line is malformed
    Span folder{}, text{};
    picture::Format format = picture::Format::Png;
    int size = kDefaultPictureSize;
};
PicturesRequest PicturesArgument(const wchar_t* line);

} // namespace cmdline

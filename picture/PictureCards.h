// Cards from a text: one picture file per character, made from the command
// line without a window.
#pragma once
#include "../app/CommandLine.h"

class CWinApp;

namespace picture {

// Writes what `--pictures` asks for: each character of the text as the
// window would draw it in a view of the size asked, in the face, bold and
// italic of the settings file, into a file of its own named by its position
// and code. Gives the process's exit code (cmdline::PicturesExit): a bad
// request writes nothing, and a file that cannot be written leaves nothing
// part-written behind.
int WritePictureCards(const cmdline::PicturesRequest& request, const CWinApp& app);

} // namespace picture

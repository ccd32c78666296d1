// What a save of the settings file may do, from what the system answered:
// where the keys are written, and which copies beside the file go. Pure C++,
// so that the rules are tested on their own.
#pragma once
#include <cstdint>

namespace settings {

// What opening the settings file for some access got.
enum class Access {
    Granted,
    Denied,  // its permissions refuse that access
    Held,    // another program has it open in a way that excludes it, and kept it
    Missing, // there is no file yet
    Failed,  // anything else: its folder gone, a network error
};

enum class SaveWay {
    Nothing, // the file keeps what it holds
    InPlace, // the keys are written into the file itself
    ByCopy,  // into a copy of its own beside it, which then takes the file's place
};

// writeAndDelete: the open for writing and deleting, which replacing the file
// needs; write: the open for writing alone, asked only when the first was
// denied. inPlaceOnly: the file is a link (written through to its target) or
// the copy's name would not fit a path.
SaveWay ChooseSaveWay(Access writeAndDelete, Access write, bool inPlaceOnly);

// Whether a file beside the settings file named "<file>~" followed by suffix
// is a copy that a save left and may go: named as the save names its copy
// (a process id in lower-case hex; none in older versions) and last written
// more than a minute before now (both in 100 ns units). Age alone decides:
// a save's copy lives for seconds, process ids are per machine (a copy on a
// network share may be another machine's save under way) and get reused.
bool IsStaleCopy(const wchar_t* suffix, uint64_t written, uint64_t now);

} // namespace settings

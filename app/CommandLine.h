// The text given to the program on its command line. Pure C++.
#pragma once

namespace cmdline {

struct Span {
    const wchar_t* first;
    const wchar_t* last; // one past the end; equal to first for no text
};

// The text of a command line as the system hands it over (the program's name
// first, quoted or not): everything after the name and the blanks that follow
// it, without blanks at its end, and without one pair of quotes around it.
Span TextArgument(const wchar_t* line);

} // namespace cmdline

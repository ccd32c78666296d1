// The program's entry point; kept apart so that tests can link the program's
// classes into their own executables.
#include "WinApp.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}

#if defined(__GLIBCXX__)
#include <cstdlib>

// GCC's standard library ends an uncaught exception by printing its type,
// demangled, to a console that a windowed program does not have. Its demangler
// and the C library's formatter behind it would be a fifth of the program:
// this handler ends the program as that one does, without them.
namespace __gnu_cxx {
void __verbose_terminate_handler()
{
    std::abort();
}
} // namespace __gnu_cxx
#endif

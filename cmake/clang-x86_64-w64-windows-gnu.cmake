# Cross-compiling for 64-bit Windows with Debian's clang 14, lld and llvm-rc,
# on the headers and libraries of Debian's MinGW-w64 (GCC 12, posix thread
# model): a second compiler for the same program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER   clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET   x86_64-w64-windows-gnu)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-windows-gnu)
set(CMAKE_SYSROOT /usr/x86_64-w64-mingw32)

# clang does not look for GCC's C++ library under Debian's "12-posix" folder.
set(gcc_dir /usr/lib/gcc/x86_64-w64-mingw32/12-posix)
set(CMAKE_CXX_FLAGS_INIT "-isystem ${gcc_dir}/include/c++ -isystem ${gcc_dir}/include/c++/x86_64-w64-mingw32")
# lld, GCC's runtime libraries, and the thread library that GCC's posix
# libstdc++ is built on (GCC's own driver adds it by itself).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_dir} -lpthread")

# llvm-rc under its GNU-style name: it takes windres's command line (CMake's
# windres rule) and writes a COFF object. Plain llvm-rc writes a .res file,
# which lld takes on its command line but not from the archive that CMake's
# MinGW link rule puts the objects in. It preprocesses with clang (so the
# script sees __clang__), and it ignores #pragma code_page: it is told the
# script's code page.
set(CMAKE_RC_COMPILER /usr/lib/llvm-14/bin/llvm-windres)
set(CMAKE_RC_FLAGS_INIT "--codepage=65001 --preprocessor-arg=--sysroot=${CMAKE_SYSROOT}")

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests and benchmarks built for Windows run under Wine through our wrapper.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)

# Vardeln — MIT licence, see LICENSE.
# vardeln-convert.exe for 64-bit Windows, cross-built with Debian's mingw-w64 (the posix
# thread model, which GoogleTest's threads need; its build also asks for a C compiler). The
# program and the tests run here under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# One file to copy: the C and C++ run-times and the thread library linked in, no DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

// Vardeln — MIT licence, see LICENSE.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "console.h"

namespace vardeln {

namespace {

// The console's output code page when the program started; the console outlives the
// program, so the code page is given back at the end.
UINT consoleCodePage = 0;

void restoreConsoleCodePage() { SetConsoleOutputCP(consoleCodePage); }

}  // namespace

// The C run-time opens the standard streams in text mode, which would turn CR LF into LF
// and stop at a byte 0x1A on input, and write CR LF on output. The console shows output in
// its own code page unless told it is UTF-8.
void useStandardStreamsAsBytes() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  consoleCodePage = GetConsoleOutputCP();  // 0 without a console
  if (consoleCodePage != 0 && SetConsoleOutputCP(CP_UTF8)) std::atexit(restoreConsoleCodePage);
}

// The program's manifest makes UTF-8 its code page and the console's output code page is
// set to UTF-8 above, so what it writes is always shown as UTF-8.
bool terminalShowsUtf8() { return true; }

}  // namespace vardeln

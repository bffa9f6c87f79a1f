#include "tools/pricelist/standard_output.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#endif

namespace corvane {

#ifdef _WIN32

namespace {

UINT consoleCodePage = 0;

// The console belongs to whoever started the program, so its code page is given back.
void RestoreConsoleCodePage() {
  SetConsoleOutputCP(consoleCodePage);
}

}  // namespace

void UseStandardOutputAsBytes() {
  std::fflush(stdout);
  _setmode(_fileno(stdout), _O_BINARY);
  if (_isatty(_fileno(stdout)) != 0) {
    consoleCodePage = GetConsoleOutputCP();
    if (consoleCodePage != 0 && consoleCodePage != CP_UTF8 && SetConsoleOutputCP(CP_UTF8)) {
      std::atexit(RestoreConsoleCodePage);
    }
  }
}

#else

void UseStandardOutputAsBytes() {}

#endif

}  // namespace corvane

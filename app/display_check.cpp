#include "app/display_check.h"

#include <cstdlib>
#include <initializer_list>

namespace corvane {

bool DisplayAvailable() {
#if defined(__linux__) || defined(__FreeBSD__)
  // A platform chosen by the user is theirs to answer for; otherwise Qt needs X11 or Wayland.
  for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
#else
  return true;
#endif
}

}  // namespace corvane

// Why the window could not be started, told in one line on standard error instead of Qt's
// several-line message and abort.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

struct StartFailure {
  enum class Cause {
    kNoDisplay,              // no display named, or the named one cannot be reached
    kPlatformPluginMissing,  // the chosen platform plugin is not installed
    kPlatformPluginBroken,   // it is installed but did not start for another reason
    kLibraryNotLoaded,       // it, or a library it needs, could not be loaded
    kOutOfMemory,            // an allocation failed, or a library could not be mapped
    kOther,
  };
  Cause cause;
  //! What the cause concerns: the display's or the plugin's name, the loader's error, the
  //! plugins that are installed, or Qt's own message for kOther. May be empty.
  std::string detail;
};

//! The line, ending in a newline, that `program` writes for `failure`.
std::string StartFailureLine(std::string_view program, const StartFailure& failure);

//! While it lives, Qt's messages about loading the platform plugin are collected instead of
//! printed, and Qt's fatal failure to start one is reported by StartFailureLine and ends the
//! process with status 1. Create it just before QApplication and end it once that is built.
class StartFailureWatch {
 public:
  explicit StartFailureWatch(const char* program);
  ~StartFailureWatch();
  StartFailureWatch(const StartFailureWatch&) = delete;
  StartFailureWatch& operator=(const StartFailureWatch&) = delete;
};

}  // namespace corvane

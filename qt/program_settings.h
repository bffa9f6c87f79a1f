// The program's own settings file: whatever the window remembers lives there and nowhere else.
#pragma once

#include <QSettings>

#include <memory>

namespace corvane {

//! The settings of both programs, in their own file under the user's configuration folder
//! ($XDG_CONFIG_HOME/Corvane/corvane-crossgrade.conf on Linux), whatever name the application
//! gives its message boxes.
std::unique_ptr<QSettings> ProgramSettings();

}  // namespace corvane

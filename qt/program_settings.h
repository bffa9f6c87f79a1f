// The program's own settings file: whatever the window remembers lives there and nowhere else.
#pragma once

#include <QSettings>
#include <QString>

#include <memory>
#include <optional>

namespace corvane {

//! The settings of both programs, in their own file under the user's configuration folder
//! ($XDG_CONFIG_HOME/Corvane/corvane-crossgrade.conf on Linux), whatever name the application
//! gives its message boxes.
std::unique_ptr<QSettings> ProgramSettings();

//! Writes what was set to the settings file. Returns, when it could not be kept, a phrase naming
//! the file and the system's cause ("the settings file PATH cannot be written: Read-only file
//! system"), or nothing. QSettings tells only that the write failed; the cause is found by asking
//! the system about the file and its folder, and by a probe write there.
std::optional<QString> SaveSettings(QSettings& settings);

//! Why nothing can be kept in the folder that holds `file` (or would hold it: the nearest folder
//! that exists, where the missing ones would be made): the system's cause, or nothing when the
//! folder can be written. Asks the system only; writes nothing.
std::optional<QString> FolderNotWritable(const QString& file);

}  // namespace corvane

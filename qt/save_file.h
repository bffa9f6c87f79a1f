// The one way the programs write a file the dealer asked for.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace corvane {

//! Writes the whole file through a temporary file beside it, renamed over the target only once
//! every byte is on the disk: a failed write leaves the earlier file exactly as it was. A
//! symbolic link is kept and its target replaced; a device or a pipe is written to as it is.
//! Returns the cause of a failure as the system names it ("No space left on device"), or
//! nothing when the file is written.
std::optional<QString> SaveFile(const QString& path, const QByteArray& bytes);

}  // namespace corvane

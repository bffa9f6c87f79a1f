// The one way the programs write a file the dealer asked for, and the one way they name why a
// write failed.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace corvane {

//! Writes the whole file through a temporary file beside it, renamed over the target only once
//! every byte is on the disk: a failed write leaves the earlier file exactly as it was. A
//! symbolic link is kept and its target replaced; a chain of links that never ends is refused,
//! never replaced; a device or a pipe is written to as it is. Returns the cause of a failure as
//! the system names it ("No space left on device", "Permission denied"; Qt's words where it
//! names it, "Filename refers to a directory"), never an unnamed "Unknown error", or nothing when
//! the file is written.
std::optional<QString> SaveFile(const QString& path, const QByteArray& bytes);

//! Why `size` bytes cannot be written in `folder` (a probe written and removed again), or
//! nothing when they can. For the libraries that report only that a write failed.
std::optional<QString> ProbeWrite(const QString& folder, qint64 size);

//! One line for a failed write: "cannot write WHAT to PATH: CAUSE", the path as the user gave it
//! with its control, line-break and invisible format characters escaped.
QString CannotWrite(const QString& what, const QString& path, const QString& cause);

}  // namespace corvane

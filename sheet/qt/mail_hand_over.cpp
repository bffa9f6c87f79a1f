#include "sheet/qt/mail_hand_over.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include "money/escaped_text.h"
#include "qt/qt_text.h"
#include "qt/save_file.h"

namespace corvane {
namespace {

// How long xdg-email may take to hand the message on before it is taken to have done so.
constexpr int kWaitMs = 8000;

QString Shown(const QString& path) {
  return ToQString(Escaped(ToStdString(QDir::toNativeSeparators(path))));
}

// What xdg-email's exit status means, as its manual lists them.
QString Failure(int status) {
  switch (status) {
    case 3:
      return QStringLiteral("No mail program was found to send it");
    case 4:
      return QStringLiteral("The mail program could not open the message");
    case 5:
      return QStringLiteral("The mail program may not read the PDF");
    default:
      return QStringLiteral("xdg-email could not hand it to the mail program (status %1)")
          .arg(status);
  }
}

}  // namespace

QString MailFolder(const QString& chosen) {
  if (!chosen.trimmed().isEmpty()) return chosen;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return documents.isEmpty() ? QDir::homePath() : documents;
}

MailHandOver HandOverToMail(const QByteArray& pdf, const QString& folder, const QString& fileName,
                            const QString& subject, const QString& recipient) {
  MailHandOver result;
  const QString path = QDir(folder).absoluteFilePath(fileName);
  if (!QDir().mkpath(folder)) {
    result.message = QStringLiteral("The quote was not e-mailed: the folder %1 could not be made.")
                         .arg(Shown(folder));
    return result;
  }
  if (pdf.isEmpty()) {
    result.message = QStringLiteral("The quote was not e-mailed: its PDF could not be made.");
    return result;
  }
  if (const std::optional<QString> cause = SaveFile(path, pdf)) {
    result.message = QStringLiteral("The quote was not e-mailed: it could not be saved as %1: %2.")
                         .arg(Shown(path), *cause);
    return result;
  }
  result.path = path;
  const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
  if (program.isEmpty()) {
    result.message = QStringLiteral(
                         "The quote was not e-mailed: xdg-email is missing (package xdg-utils). "
                         "The PDF is at %1.")
                         .arg(Shown(path));
    return result;
  }
  QStringList arguments{QStringLiteral("--attach"), path, QStringLiteral("--subject"), subject};
  if (!recipient.trimmed().isEmpty()) arguments << recipient.trimmed();
  auto* process = new QProcess(QCoreApplication::instance());
  process->setProgram(program);
  process->setArguments(arguments);
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->start();
  if (!process->waitForStarted(kWaitMs)) {
    result.message = QStringLiteral(
                         "The quote was not e-mailed: xdg-email could not be started "
                         "(%1). The PDF is at %2.")
                         .arg(process->errorString(), Shown(path));
    delete process;
    return result;
  }
  if (!process->waitForFinished(kWaitMs)) {
    // The mail program runs in the foreground: it has the message. It is left running, and
    // its process object goes when it ends.
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    result.handedOver = true;
  } else {
    const bool ok = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    const int status = process->exitCode();
    delete process;
    if (!ok) {
      result.message = QStringLiteral("The quote was not e-mailed: %1. The PDF is at %2.")
                           .arg(Failure(status), Shown(path));
      return result;
    }
    result.handedOver = true;
  }
  result.message = QStringLiteral("The quote was handed to the mail program; the PDF is at %1.")
                       .arg(Shown(path));
  return result;
}

}  // namespace corvane

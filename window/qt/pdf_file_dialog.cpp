#include "window/qt/pdf_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

#include <memory>
#include <optional>

#include "qt/program_settings.h"

namespace corvane {
namespace {

constexpr QLatin1StringView kLastFolderKey("FileDialog/lastFolder");

// Qt's own file dialog keeps its history in a settings file of Qt's (QtProject.conf beside the
// user's other settings) whenever it is closed, and offers no way to stop it. The program keeps
// what it remembers in its own file, so Qt's is sent where no file can be made: the dialog starts
// afresh each time, from the folder the program remembers.
void KeepQtDialogStateUnwritten() {
#ifndef Q_OS_WIN  // there Qt's native settings are the registry, and the dialog is the system's
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null"));
#endif
}

}  // namespace

QString ChoosePdfFile(QWidget* parent, const QString& title, const QString& suggestedName) {
  KeepQtDialogStateUnwritten();
  const std::unique_ptr<QSettings> settings = ProgramSettings();
  const QString lastFolder = settings->value(kLastFolderKey).toString();
  const QString start = !lastFolder.isEmpty() && QFileInfo(lastFolder).isDir()
                            ? QDir(lastFolder).filePath(suggestedName)
                            : suggestedName;
  QFileDialog dialog(parent, title, start, QStringLiteral("PDF files (*.pdf)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().constFirst();
  const QString folder = QFileInfo(chosen).absolutePath();
  if (folder != lastFolder) {
    settings->setValue(kLastFolderKey, folder);
    // The PDF is still written; only where the dialog opens next time is forgotten.
    if (const std::optional<QString> cause = SaveSettings(*settings)) {
      QMessageBox box(
          QMessageBox::Warning, QStringLiteral("Tindrel"),
          QStringLiteral("The folder of this PDF will not be remembered: %1.").arg(*cause),
          QMessageBox::Ok, parent);
      box.exec();
    }
  }
  return chosen;
}

}  // namespace corvane

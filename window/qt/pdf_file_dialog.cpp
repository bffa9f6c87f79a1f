#include "window/qt/pdf_file_dialog.h"

#include <QFileDialog>

namespace corvane {

QString ChoosePdfFile(QWidget* parent, const QString& title, const QString& suggestedName) {
  QFileDialog dialog(parent, title, suggestedName, QStringLiteral("PDF files (*.pdf)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace corvane

// A session that saves both PDFs through the real file dialogs writes those two files and the
// program's own settings file under the (temporary) home folder, and nothing else: not Qt's file
// dialog history. The second dialog opens in the folder the first one saved in.
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>

#include "sheet/qt/quote_sheet_window.h"
#include "window/qt/quote_actions.h"
#include "window/qt/tests/window_fixture.h"

namespace corvane {
namespace {

// Every file under the folder, with the time it was last written.
QMap<QString, QDateTime> FilesUnder(const QString& folder) {
  QMap<QString, QDateTime> files;
  QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QFileInfo file(it.next());
    files.insert(QDir(folder).relativeFilePath(file.filePath()), file.lastModified());
  }
  return files;
}

// Saves as the named file in the folder of the first dialog, noting where each dialog opened.
class DialogAnswers {
 public:
  DialogAnswers(QString folder, QStringList names) : folder_(folder), names_(names) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr || names_.isEmpty() || !dialog->isVisible()) return;
      if (dialog != seen_) openedIn << dialog->directory().absolutePath();
      seen_ = dialog;
      const QString target = QDir(folder_).filePath(names_.first());
      dialog->selectFile(target);
      // Typed as a dealer would: a dialog still settling into its first folder may otherwise put
      // its own name back before Save reads the field.
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      if (name == nullptr) return;
      name->setText(target);
      names_.removeFirst();
      static_cast<QDialog*>(dialog)->accept();  // as its Save button does
    });
    timer_.start(20);
  }
  QStringList openedIn;

 private:
  QString folder_;
  QStringList names_;
  QFileDialog* seen_ = nullptr;
  QTimer timer_;
};

TEST_F(WindowTest, SavingBothPdfsWritesThemAndTheProgramsSettingsOnly) {
  const QString home = QDir::homePath();
  ASSERT_TRUE(home.startsWith(QDir::tempPath()))
      << "the tests' main sets HOME: " << home.toStdString();
  const QString pdfs = QDir(home).filePath(QStringLiteral("pdfs"));
  ASSERT_TRUE(QDir().mkpath(pdfs));
  const QMap<QString, QDateTime> before = FilesUnder(home);

  ChooseWithMouse("Combo1", 2);  // Windows HB 1, priced new
  window_->Quote().AddToQuote();
  window_->Quote().Sheet()->SetCustomerQuestion([] { return QStringLiteral("Cash customer"); });
  {
    DialogAnswers answers(pdfs, {QStringLiteral("prices.pdf"), QStringLiteral("quote.pdf")});
    window_->Quote().SavePriceList();
    window_->Quote().Sheet()->SaveAsPdf();
    ASSERT_EQ(answers.openedIn.size(), 2);
    EXPECT_EQ(answers.openedIn[1], QFileInfo(pdfs).absoluteFilePath());
  }

  QStringList written;
  const QMap<QString, QDateTime> after = FilesUnder(home);
  for (auto file = after.cbegin(); file != after.cend(); ++file) {
    if (before.value(file.key()) != file.value()) written << file.key();
  }
  // The register is the program's to open, not the window's: without one handed in, the
  // window's quotes are kept in memory.
  EXPECT_EQ(written,
            QStringList({QStringLiteral(".config/Corvane/corvane-crossgrade.conf"),
                         QStringLiteral("pdfs/prices.pdf"), QStringLiteral("pdfs/quote.pdf")}));
}

}  // namespace
}  // namespace corvane

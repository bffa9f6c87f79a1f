#include "window/qt/price_book_actions.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include <exception>
#include <optional>
#include <string>

#include "money/escaped_text.h"
#include "money/program_title.h"
#include "money/vat.h"
#include "pricebook/price_book.h"
#include "pricebook/price_book_file.h"
#include "qt/program_settings.h"
#include "qt/qt_text.h"
#include "window/qt/frm_tindrel.h"

namespace corvane {
namespace {

const QString kRememberedKey = QStringLiteral("priceBook/file");

struct Attempt {
  std::optional<PriceBook> book;
  std::string problem;  //!< why the book cannot be used, naming the file
};

// The reader tells every fault of a book as a PriceBookError; whatever else is thrown on the way
// is still that book's failure to load, and leaves the window, its book and the sheet as they are.
Attempt Read(const QString& path) {
  try {
    return {ReadPriceBook(PathToStdString(path)), {}};
  } catch (const PriceBookError& error) {
    return {std::nullopt, error.what()};
  } catch (const std::exception& error) {
    return {std::nullopt, PathToStdString(path) + ": cannot be read: " + Escaped(error.what())};
  }
}

}  // namespace

PriceBookActions::PriceBookActions(FrmTindrel& window, MessageSink& messages)
    : QObject(&window), window_(window), messages_(messages) {
  auto* open = new QAction(QStringLiteral("&Open price book..."), this);
  connect(open, &QAction::triggered, this, &PriceBookActions::OpenPriceBook);
  auto* builtIn = new QAction(QStringLiteral("Use the &built-in price book"), this);
  connect(builtIn, &QAction::triggered, this, &PriceBookActions::UseBuiltInBook);
  auto* inUse = new QAction(QStringLiteral("Price boo&k in use..."), this);
  connect(inUse, &QAction::triggered, this, &PriceBookActions::ShowBookInUse);
  menuActions_ = {open, builtIn, inUse};
}

void PriceBookActions::OpenPriceBook() {
  const QString path = chooseFile_ ? chooseFile_()
                                   : QFileDialog::getOpenFileName(
                                         &window_, QStringLiteral("Open price book"),
                                         QFileInfo(window_.BookFile()).absolutePath(),
                                         QStringLiteral("Price books (*.json);;All files (*)"));
  if (!path.isEmpty()) Open(path);
}

bool PriceBookActions::Open(const QString& path) {
  Attempt attempt = Read(path);
  if (!attempt.book) {
    messages_.ShowWarning("The price book could not be opened.\r\n\r\n" + attempt.problem +
                          "\r\n\r\nThe prices stay those of the book in use.");
    return false;
  }
  const QString absolute = QFileInfo(path).absoluteFilePath();
  window_.UsePriceBook(std::move(*attempt.book), absolute);
  const auto settings = ProgramSettings();
  settings->setValue(kRememberedKey, absolute);
  if (const std::optional<QString> cause = SaveSettings(*settings)) {
    messages_.ShowWarning(
        "The price book is in use, but it will not be opened at the next start: " +
        ToStdString(*cause) + ".");
  }
  return true;
}

void PriceBookActions::OpenAtStart(const QString& commandLineFile) {
  const auto settings = ProgramSettings();
  const QString path =
      commandLineFile.isEmpty() ? settings->value(kRememberedKey).toString() : commandLineFile;
  if (path.isEmpty()) return;
  Attempt attempt = Read(path);
  if (attempt.book) {
    window_.UsePriceBook(std::move(*attempt.book), QFileInfo(path).absoluteFilePath());
    return;
  }
  // Said once: a remembered book that cannot be used is not tried again.
  if (commandLineFile.isEmpty()) settings->remove(kRememberedKey);
  const std::string message = "The price book could not be used.\r\n\r\n" + attempt.problem +
                              "\r\n\r\nThe calculator uses its built-in price book.";
  QTimer::singleShot(0, this, [this, message] { messages_.ShowWarning(message); });
}

void PriceBookActions::UseBuiltInBook() {
  ProgramSettings()->remove(kRememberedKey);
  window_.UsePriceBook(FillPriceBook(), QString());
  window_.Say(QStringLiteral("The built-in price book is in use, effective %1.")
                  .arg(ToQString(LongDate(window_.Book().effectiveDate))));
}

QString PriceBookActions::Description() const {
  const PriceBook& book = window_.Book();
  const QString file = window_.BookFile().isEmpty() ? QStringLiteral("built into the program")
                                                    : QDir::toNativeSeparators(window_.BookFile());
  QString text =
      QStringLiteral("Price book: %1\nPrices effective: %2\nVAT: %3 %\nVendor: %4, %5")
          .arg(file, ToQString(LongDate(book.effectiveDate)), ToQString(VatPercentText(book.vat)),
               ToQString(book.vendorName), ToQString(book.vendorPhone));
  if (book.currency) text += QStringLiteral("\nCurrency: %1").arg(ToQString(*book.currency));
  return text;
}

void PriceBookActions::ShowBookInUse() {
  QMessageBox box(QMessageBox::Information, ToQString(kProgramTitle), Description(),
                  QMessageBox::Ok, &window_);
  box.exec();
}

}  // namespace corvane

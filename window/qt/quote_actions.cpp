#include "window/qt/quote_actions.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>

#include "money/escaped_text.h"
#include "pricelist/pdf/price_list_pdf.h"
#include "pricelist/price_list.h"
#include "qt/clipboard.h"
#include "qt/program_settings.h"
#include "qt/qt_text.h"
#include "register/memory_quote_register.h"
#include "sheet/qt/dealer_settings.h"
#include "sheet/qt/quote_sheet_window.h"
#include "window/qt/pdf_file_dialog.h"

namespace corvane {
namespace {

bool IsCopyKey(QEvent* event) {
  return (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
         static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
}

// The edit field of a widget: a line edit itself, or an editable combo box's field, which gets its
// keys from the combo box rather than from the application.
QLineEdit* EditOf(QObject* widget) {
  if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->lineEdit();
  return qobject_cast<QLineEdit*>(widget);
}

// Qt's edit-field menu leaves Delete and Select All without an access key; they get letters that
// neither Qt's other entries nor the window's take.
void GiveAccessKeys(QMenu& menu) {
  for (QAction* action : menu.actions()) {
    const QString text = action->text();
    const QString label = text.section(QLatin1Char('\t'), 0, 0);
    const QString rest = text.mid(label.size());
    if (label == QLatin1String("Delete")) action->setText(QStringLiteral("D&elete") + rest);
    if (label == QLatin1String("Select All")) action->setText(QStringLiteral("&Select All") + rest);
  }
}

}  // namespace

// The access keys leave Qt's own entries of an edit field's menu theirs: u, r, t, c, p, e, s.
// Ctrl+Shift+A: "A" for add; Ctrl+D is taken in the edit fields, where Qt's Linux key bindings
// delete the next character with it, and Ctrl+A selects all. Ctrl+Shift+O opens the sheet; no
// edit field uses it, nor Ctrl+Shift+L, "L" for the price list.
QuoteActions::QuoteActions(QWidget& window, const QuoteWindow& behaviour, MessageSink& messages)
    : QObject(&window), window_(window), behaviour_(behaviour), messages_(messages) {
  menuActions_ = {
      AddAction(QStringLiteral("Copy pr&ice"), QKeySequence::Copy, &QuoteActions::CopyPrice),
      AddAction(QStringLiteral("&Add to quote"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A),
                &QuoteActions::AddToQuote),
      AddAction(QStringLiteral("S&how quote sheet"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
                &QuoteActions::ShowSheet),
      AddAction(QStringLiteral("Save price &list as PDF..."),
                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L), &QuoteActions::SavePriceList),
      AddAction(QStringLiteral("&Quotes..."), {}, &QuoteActions::ShowQuotes),
      AddAction(QStringLiteral("&Dealer details..."), {}, &QuoteActions::ShowDealerDetails),
  };
  // The menu from the keyboard, where the platform does not make a context-menu event of it.
  auto* menuKey = new QAction(this);
  menuKey->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)});
  connect(menuKey, &QAction::triggered, this, [this] {
    QWidget* focus = QApplication::focusWidget();
    QWidget* over = focus != nullptr && window_.isAncestorOf(focus) ? focus : &window_;
    ShowContextMenu(over, over->mapToGlobal(over->rect().center()));
  });
  window_.addAction(menuKey);

  window_.installEventFilter(this);
  for (QLineEdit* edit : window_.findChildren<QLineEdit*>()) edit->installEventFilter(this);
  for (QComboBox* combo : window_.findChildren<QComboBox*>()) combo->installEventFilter(this);
}

QAction* QuoteActions::AddAction(const QString& text, const QKeySequence& shortcut,
                                 void (QuoteActions::*run)()) {
  // The shortcut is part of the entry's text, as in Qt's own entries of an edit field's menu: a
  // screen reader reads it with the entry's name, where it leaves out a shortcut kept apart.
  const QString shown =
      shortcut.isEmpty() ? text
                         : text + QLatin1Char('\t') + shortcut.toString(QKeySequence::NativeText);
  auto* action = new QAction(shown, this);
  action->setShortcut(shortcut);
  action->setShortcutVisibleInContextMenu(true);
  connect(action, &QAction::triggered, this, run);
  window_.addAction(action);
  return action;
}

// With no price shown, an earlier price left on the clipboard would be pasted as this one's.
void QuoteActions::CopyPrice() {
  const auto& shown = behaviour_.PriceShown();
  if (!shown) {
    EmptyClipboard();
    messages_.ShowWarning(
        "No price is shown, so none was copied.\r\nThe clipboard was emptied so that no earlier "
        "price is pasted by mistake.");
    return;
  }
  CopyToClipboard(PriceText(*shown), PriceHtml(*shown));
  Q_EMIT Done(QStringLiteral("The price was copied."));
}

void QuoteActions::AddToQuote() {
  const auto& shown = behaviour_.PriceShown();
  if (!shown) {
    messages_.ShowWarning("No price is shown, so nothing was added to the quote.");
    return;
  }
  CreatedSheet().Add(*shown);
  ShowSheetBeside();
}

// Shown beside the quote window without taking the keyboard from it; where the platform
// activates a new window all the same, the quote window asks for the keyboard back.
void QuoteActions::ShowSheetBeside() {
  QuoteSheetWindow& sheet = CreatedSheet();
  if (sheet.isVisible()) return;
  sheet.setAttribute(Qt::WA_ShowWithoutActivating, true);
  sheet.show();
  sheet.setAttribute(Qt::WA_ShowWithoutActivating, false);
  window_.activateWindow();
}

SheetController::RegisterSource QuoteActions::Register() {
  if (register_) return register_;
  return [this]() -> QuoteRegister& {
    if (!inMemory_) inMemory_ = std::make_unique<MemoryQuoteRegister>();
    return *inMemory_;
  };
}

// The register is asked first, so that a start without a draft makes no sheet at all.
void QuoteActions::RestoreDraft() {
  try {
    const std::optional<Quotation> draft = Register()().Draft();
    if (!draft || draft->lines.empty()) return;
  } catch (const RegisterError&) {
    return;  // the sheet says so once it is used
  }
  if (CreatedSheet().RestoreDraft()) ShowSheetBeside();
}

void QuoteActions::ShowSheet() {
  QuoteSheetWindow& sheet = CreatedSheet();
  sheet.show();
  sheet.raise();
  sheet.activateWindow();
}

void QuoteActions::SavePriceList() {
  const QString path = choosePriceListFile_
                           ? choosePriceListFile_()
                           : ChoosePdfFile(&window_, QStringLiteral("Save price list as PDF"),
                                           QStringLiteral("Corvane Price List.pdf"));
  if (path.isEmpty()) return;
  PriceList list =
      BuildPriceList(behaviour_.Book(), behaviour_.DiscountText(), behaviour_.NumberFormat());
  // The list is the dealer's: its title names the company the quotes come from.
  list.title.dealer = LoadDealerDetails(*ProgramSettings()).companyName;
  const QString cause = WritePriceListPdf(list, path);
  if (!cause.isEmpty()) {
    // The path as typed may hold a line break or a bidirectional override: escaped, the message
    // reads as it is meant to.
    const std::string shownPath = Escaped(ToStdString(QDir::toNativeSeparators(path)));
    messages_.ShowError(ToStdString(QStringLiteral("The price list could not be saved as %1: %2.")
                                        .arg(ToQString(shownPath), cause)));
  }
}

void QuoteActions::ShowQuotes() {
  CreatedSheet().ShowQuotes();
}

void QuoteActions::ShowDealerDetails() {
  CreatedSheet().ShowDealerDetails();
}

QuoteSheetWindow& QuoteActions::CreatedSheet() {
  if (sheet_ == nullptr) {
    sheet_ = new QuoteSheetWindow(behaviour_.NumberFormat(), behaviour_.Book(), Register(),
                                  messages_, &window_);
    sheet_->SetFileChooser([this] {
      return ChoosePdfFile(sheet_, QStringLiteral("Save quote as PDF"),
                           sheet_->ProposedPdfFileName());
    });
  }
  return *sheet_;
}

void QuoteActions::ShowContextMenu(QWidget* over, const QPoint& globalPosition) {
  QLineEdit* edit = EditOf(over);
  std::unique_ptr<QMenu> menu(edit != nullptr ? edit->createStandardContextMenu()
                                              : new QMenu(&window_));
  if (edit != nullptr) {
    GiveAccessKeys(*menu);
    menu->addSeparator();
  }
  menu->addActions(menuActions_);
  menu->exec(globalPosition);
}

bool QuoteActions::ConfirmClose() {
  if (sheet_ == nullptr) return true;
  if (sheet_->Sheet().HasUnsentLines()) {
    // The default keeps both the lines and the window: Enter or Space never loses a quote.
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tindrel"),
                    QStringLiteral("The quote has lines that were not printed, saved or copied.\n"
                                   "Close and keep them on the sheet for the next start, or "
                                   "discard them?"),
                    QMessageBox::Close | QMessageBox::Discard | QMessageBox::Cancel, &window_);
    box.setDefaultButton(QMessageBox::Cancel);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    if (answer == QMessageBox::Discard) {
      sheet_->DiscardDraft();
    } else if (answer != QMessageBox::Close) {
      return false;
    }
  }
  sheet_->close();
  return true;
}

// Ctrl+C in an edit field copies its selected text as usual and the price when nothing is
// selected; a right-click there offers the field's own entries and the window's.
bool QuoteActions::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ContextMenu) {
    auto* menuEvent = static_cast<QContextMenuEvent*>(event);
    if (EditOf(watched) != nullptr || watched == &window_) {
      ShowContextMenu(qobject_cast<QWidget*>(watched), menuEvent->globalPos());
      return true;
    }
  }
  QLineEdit* edit = EditOf(watched);
  if (edit != nullptr && IsCopyKey(event) && !edit->hasSelectedText()) {
    if (event->type() == QEvent::ShortcutOverride) {
      // Let the key reach the field, where it is taken below, whatever the field would say.
      event->accept();
    } else {
      CopyPrice();
    }
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace corvane

// What the quote window offers beyond its price boxes: copying the price shown, adding it to the
// quote sheet, showing the sheet and saving the price list as a PDF, through the window's context
// menu and keyboard shortcuts.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>

#include "register/quote_register.h"
#include "sheet/sheet_controller.h"
#include "window/controls.h"
#include "window/quote_window.h"

class QAction;
class QWidget;

namespace corvane {

class QuoteSheetWindow;

class QuoteActions final : public QObject {
  Q_OBJECT

 public:
  //! Adds the actions and their shortcuts to the window and watches it for context-menu
  //! requests; the quote sheet is created the first time a line is added or it is shown.
  QuoteActions(QWidget& window, const QuoteWindow& behaviour, MessageSink& messages);

  //! Puts the price shown on the clipboard as plain text and as an HTML table. With no price
  //! shown it empties the clipboard and says so.
  void CopyPrice();
  //! Adds the price shown to the quote sheet; with none shown it says so.
  void AddToQuote();
  void ShowSheet();
  //! The quote register's window, over the quote sheet.
  void ShowQuotes();
  //! The "Dealer details..." dialog.
  void ShowDealerDetails();
  //! The price list at the discount the discount field shows, as a PDF in the file the dealer
  //! chooses; a failed write is reported.
  void SavePriceList();
  //! The file "Save price list as PDF..." writes: by default the one chosen in a file dialog.
  void SetPriceListFileChooser(std::function<QString()> chooser) {
    choosePriceListFile_ = std::move(chooser);
  }
  //! The context menu; over an edit field its own entries come first.
  void ShowContextMenu(QWidget* over, const QPoint& globalPosition);
  //! Adds an entry at the end of the context menu.
  void AddMenuAction(QAction* action) { menuActions_.append(action); }
  //! The entries of the context menu, in their order, each with its shortcut.
  const QList<QAction*>& MenuActions() const { return menuActions_; }

  //! The register the quote sheet keeps its drafts and quotes in, handed in by whoever starts
  //! the program; the window never opens one itself. Without one the quotes of this run are
  //! kept in memory only.
  void SetRegister(SheetController::RegisterSource source) { register_ = std::move(source); }
  //! Puts the draft the register kept back on the quote sheet and shows the sheet beside the
  //! window; nothing without a draft or a register that can be read.
  void RestoreDraft();

  //! Whether the window may close. With lines not yet handed on it asks once: closing keeps
  //! them for the next start, "Discard" discards them, and the default, "Cancel", keeps the
  //! window open. Closes the sheet along with the window.
  bool ConfirmClose();
  //! The quote sheet, or nullptr before its first use.
  QuoteSheetWindow* Sheet() const { return sheet_; }

 Q_SIGNALS:
  //! What an action did, when nothing else on the screen shows it: for the screen reader.
  void Done(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* AddAction(const QString& text, const QKeySequence& shortcut,
                     void (QuoteActions::*run)());
  QuoteSheetWindow& CreatedSheet();

  QWidget& window_;
  const QuoteWindow& behaviour_;
  MessageSink& messages_;
  QList<QAction*> menuActions_;
  SheetController::RegisterSource Register();
  void ShowSheetBeside();

  QuoteSheetWindow* sheet_ = nullptr;
  std::function<QString()> choosePriceListFile_;
  SheetController::RegisterSource register_;
  std::unique_ptr<QuoteRegister> inMemory_;  //!< the register when none was handed in
};

}  // namespace corvane

// What the quote window offers beyond its price boxes: copying the price shown, adding it to the
// quote sheet and showing the sheet, through the window's context menu and keyboard shortcuts.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

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

  //! Puts the price shown on the clipboard as plain text and as an HTML table; nothing when the
  //! boxes show no price.
  void CopyPrice();
  void AddToQuote();
  void ShowSheet();
  //! The context menu; over an edit field its own entries come first.
  void ShowContextMenu(QWidget* over, const QPoint& globalPosition);
  //! The entries of the context menu, in their order, each with its shortcut.
  const QList<QAction*>& MenuActions() const { return menuActions_; }

  //! Whether the window may close: lines not yet handed on are discarded only once the dealer
  //! has said so, asked once. Closes the sheet along with the window.
  bool ConfirmClose();
  //! The quote sheet, or nullptr before its first use.
  QuoteSheetWindow* Sheet() const { return sheet_; }

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
  QuoteSheetWindow* sheet_ = nullptr;
};

}  // namespace corvane

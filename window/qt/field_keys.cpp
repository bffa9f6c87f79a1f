#include "window/qt/field_keys.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTimer>

#include <utility>

#include "window/qt/entry_finder.h"

namespace corvane {
namespace {

bool MovesTheSelection(const QEvent& event) {
  if (event.type() == QEvent::Wheel) return true;
  if (event.type() != QEvent::KeyPress) return false;
  switch (static_cast<const QKeyEvent&>(event).key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
      return true;
    default:
      return false;
  }
}

// The focus moving into a popup (a list, the finder) or to another window (a message box) does
// not leave the field.
bool LeavesTheField(const QFocusEvent& event) {
  return event.reason() != Qt::PopupFocusReason && event.reason() != Qt::ActiveWindowFocusReason;
}

}  // namespace

FieldKeys::FieldKeys(QComboBox& combo, FieldHandlers handlers, bool findEntries)
    : QObject(&combo), combo_(combo), handlers_(std::move(handlers)), findEntries_(findEntries) {
  QLineEdit* edit = combo_.lineEdit();
  connect(&combo_, &QComboBox::activated, this,
          [this] { (stepping_ ? handlers_.stepped : handlers_.chosen)(); });
  // The finder is made at the first edit rather than with the window, which then opens sooner;
  // the field asks its completer for offers only after it has signalled the edit.
  connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (findEntries_ && finder_ == nullptr) MakeFinder();
    if (finder_ != nullptr) finder_->Offer(text);
    handlers_.edited();
  });
  // The finder itself chooses the entry highlighted in its popup, after the edit field has seen
  // the key.
  connect(edit, &QLineEdit::returnPressed, this, [this] {
    if (finder_ == nullptr || !finder_->EntryHighlighted()) handlers_.entered();
  });
  combo_.installEventFilter(this);
}

void FieldKeys::MakeFinder() {
  finder_ = new EntryFinder(combo_);
  connect(finder_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
          &FieldKeys::ChooseOffered);
}

bool FieldKeys::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &combo_) return false;
  if (!stepping_ && MovesTheSelection(*event)) {
    const QScopedValueRollback<bool> stepping(stepping_, true);
    QCoreApplication::sendEvent(&combo_, event);
    return true;
  }
  if (event->type() == QEvent::FocusOut && LeavesTheField(*static_cast<QFocusEvent*>(event))) {
    // A warning this raises waits until the focus has settled on the next control.
    QTimer::singleShot(0, this, [this] { handlers_.lostFocus(); });
  }
  return false;
}

void FieldKeys::ChooseOffered(const QModelIndex& offered) {
  const int position = finder_->ListPosition(offered);
  if (position < 0) return;
  {
    const QSignalBlocker quiet(combo_);
    combo_.setCurrentIndex(position);
  }
  const QString text = combo_.itemText(position);
  if (combo_.currentText() != text) combo_.setEditText(text);
  handlers_.chosen();
}

}  // namespace corvane

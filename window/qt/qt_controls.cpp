#include "window/qt/qt_controls.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalBlocker>

#include "qt/qt_text.h"

namespace corvane {
namespace {

constexpr int kTagRole = Qt::UserRole;

// Qt's setCurrentIndex also rewrites an editable combo box's edit field, even to the same index;
// the window's combo boxes keep what the field shows unless an item is chosen.
void SetIndexShowing(QComboBox& combo, int index, const QString& text, int cursor) {
  QLineEdit* edit = combo.lineEdit();
  const QSignalBlocker quiet(combo);
  combo.setCurrentIndex(index);
  if (edit->text() != text) {
    edit->setText(text);
    edit->setCursorPosition(cursor);
  }
}

void SetIndexKeepingText(QComboBox& combo, int index) {
  SetIndexShowing(combo, index, combo.lineEdit()->text(), combo.lineEdit()->cursorPosition());
}

// What the user types is plain text to the combo box: it drops the selection and picks no item,
// not even one whose text it matches. What Enter on a typed text chooses is the behaviour's to
// decide (FieldKeys raises it).
void MakeTypingPlain(QComboBox& combo) {
  combo.setEditable(true);
  combo.setInsertPolicy(QComboBox::NoInsert);
  combo.setCompleter(nullptr);
  QLineEdit* edit = combo.lineEdit();
  // Qt chooses an item whose text equals the typed text when the field loses the focus.
  QObject::disconnect(edit, &QLineEdit::editingFinished, &combo, nullptr);
  QObject::connect(edit, &QLineEdit::textEdited, &combo, [&combo] {
    if (combo.currentIndex() >= 0) SetIndexKeepingText(combo, -1);
  });
}

[[noreturn]] void ThrowNoSuchItem(int position, int count) {
  throw ControlError("list position " + std::to_string(position) + " is outside a list of " +
                     std::to_string(count) + " items");
}

void ShowMessageBox(QWidget& window, QMessageBox::Icon icon, std::string_view message) {
  QString text = ToQString(message);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(icon, QStringLiteral("Tindrel"), text, QMessageBox::Ok, &window);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace

QtComboBox::QtComboBox(QComboBox& combo) : combo_(combo) {
  MakeTypingPlain(combo_);
}

void QtComboBox::Clear() {
  const QSignalBlocker quiet(combo_);
  combo_.clear();
  combo_.clearEditText();
}

void QtComboBox::AddItem(std::string_view text) {
  // Qt selects the first item added to an empty list; here a new item is never selected.
  const int selected = combo_.currentIndex();
  const QString shown = combo_.lineEdit()->text();
  const int cursor = combo_.lineEdit()->cursorPosition();
  {
    const QSignalBlocker quiet(combo_);
    combo_.addItem(ToQString(text), QVariant(std::int32_t{0}));
  }
  if (combo_.currentIndex() != selected) SetIndexShowing(combo_, selected, shown, cursor);
}

int QtComboBox::ListCount() const {
  return combo_.count();
}

void QtComboBox::CheckPosition(int position) const {
  if (position < 0 || position >= combo_.count()) ThrowNoSuchItem(position, combo_.count());
}

std::string QtComboBox::ItemText(int position) const {
  CheckPosition(position);
  return ToStdString(combo_.itemText(position));
}

std::int32_t QtComboBox::ItemData(int position) const {
  CheckPosition(position);
  return combo_.itemData(position, kTagRole).toInt();
}

void QtComboBox::SetItemData(int position, std::int32_t tag) {
  CheckPosition(position);
  combo_.setItemData(position, QVariant(tag), kTagRole);
}

int QtComboBox::ListIndex() const {
  return combo_.currentIndex();
}

void QtComboBox::SetListIndex(int position) {
  if (position == -1) return SetIndexKeepingText(combo_, -1);
  CheckPosition(position);
  const QSignalBlocker quiet(combo_);
  combo_.setCurrentIndex(position);
  const QString text = combo_.itemText(position);
  if (combo_.currentText() != text) combo_.setEditText(text);
}

std::string QtComboBox::Text() const {
  return ToStdString(combo_.currentText());
}

QtListBox::QtListBox(QListWidget& list) : list_(list) {
  list_.setSelectionMode(QAbstractItemView::SingleSelection);
}

void QtListBox::Clear() {
  const QSignalBlocker quiet(list_);
  list_.clear();
}

void QtListBox::AddItem(std::string_view text) {
  const QSignalBlocker quiet(list_);
  list_.addItem(ToQString(text));
}

int QtListBox::ListIndex() const {
  const QModelIndexList selected = list_.selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void QtTextBox::SetText(std::string_view text) {
  edit_.setText(ToQString(text));
}

void QtTextBox::SetNote(std::string_view note) {
  edit_.setPlaceholderText(ToQString(note));
}

// Each change tells a screen reader; one that changes nothing would only add to the stream of
// events in which a reader may drop the ones that matter.
void QtTextBox::SetReason(std::string_view reason) {
  const QString text = ToQString(reason);
  if (edit_.accessibleDescription() == text) return;
  edit_.setAccessibleDescription(text);
  edit_.setToolTip(text);
}

void QtFrame::SetVisible(bool visible) {
  widget_.setVisible(visible);
}

// The window's other access keys are O, S, U and C; each age caption takes a letter of its own,
// the same whichever set of captions shows.
QString AgeCaptionWithAccessKey(std::string_view caption) {
  QString text = ToQString(caption);
  for (const auto& [start, at] :
       {std::pair{"Over", 1}, std::pair{"Between", 0}, std::pair{"Less", 0}}) {
    if (text.startsWith(QLatin1String(start))) return text.insert(at, QLatin1Char('&'));
  }
  return text;
}

void QtOptionButton::SetCaption(std::string_view caption) {
  button_.setText(AgeCaptionWithAccessKey(caption));
}

void QtOptionButton::SetVisible(bool visible) {
  button_.setVisible(visible);
}

bool QtOptionButton::Value() const {
  return button_.isChecked();
}

void QtMessageBoxes::ShowWarning(std::string_view message) {
  ShowMessageBox(window_, QMessageBox::Warning, message);
}

void QtMessageBoxes::ShowError(std::string_view message) {
  ShowMessageBox(window_, QMessageBox::Critical, message);
}

void QtForm::Unload() {
  window_.close();
}

}  // namespace corvane

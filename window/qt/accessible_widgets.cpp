#include "window/qt/accessible_widgets.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

namespace corvane {
namespace {

using Relations = QList<QPair<QAccessibleInterface*, QAccessible::Relation>>;

QAccessibleInterface* Interface(QObject* object) {
  return QAccessible::queryAccessibleInterface(object);
}

QList<QLabel*> BuddyLabels(const QWidget& control) {
  QList<QLabel*> labels;
  if (const QWidget* parent = control.parentWidget()) {
    for (QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
      if (label->buddy() == &control) labels.append(label);
    }
  }
  return labels;
}

// Qt lets a frame's caption label every control in the frame besides the labels of their own, so
// a screen reader would announce a price box by the frame's caption. Here a label of its own
// replaces the caption.
Relations LabelledBy(const QWidget& control) {
  Relations relations;
  for (QLabel* label : BuddyLabels(control))
    relations.append({Interface(label), QAccessible::Label});
  const auto* frame = qobject_cast<QGroupBox*>(control.parentWidget());
  if (relations.isEmpty() && frame != nullptr && !frame->title().isEmpty()) {
    relations.append({Interface(control.parentWidget()), QAccessible::Label});
  }
  return relations;
}

// Qt's relations but for the labels, which are the control's own.
Relations WithOwnLabels(const QWidget& control, QAccessible::Relation match,
                        const Relations& others) {
  return (match & QAccessible::Label) ? LabelledBy(control) + others : others;
}

QAccessible::Relation WithoutLabels(QAccessible::Relation match) {
  return static_cast<QAccessible::Relation>(match & ~QAccessible::Label);
}

// The window and its frames offer only the controls shown in them: a hidden control would be read
// out as though the user could reach it.
class Container : public QAccessibleWidget {
 public:
  Container(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

  int childCount() const override { return static_cast<int>(Shown().size()); }
  QAccessibleInterface* child(int index) const override {
    const QWidgetList shown = Shown();
    return index >= 0 && index < shown.size() ? Interface(shown.at(index)) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    return static_cast<int>(Shown().indexOf(qobject_cast<QWidget*>(child->object())));
  }

 protected:
  QWidgetList Shown() const {
    QWidgetList shown;
    for (QObject* object : widget()->children()) {
      auto* child = qobject_cast<QWidget*>(object);
      if (child != nullptr && !child->isWindow() && child->isVisibleTo(widget())) {
        shown.append(child);
      }
    }
    return shown;
  }
};

class Frame final : public Container {
 public:
  explicit Frame(QGroupBox* frame) : Container(frame, QAccessible::Grouping) {}

  QString text(QAccessible::Text t) const override {
    const QString text = Container::text(t);
    if (t != QAccessible::Name || !text.isEmpty()) return text;
    return static_cast<const QGroupBox*>(widget())->title();
  }
  Relations relations(QAccessible::Relation match) const override {
    Relations relations = Container::relations(match);
    if (!(match & QAccessible::Labelled)) return relations;
    for (QWidget* control : Shown()) {
      if (control->focusPolicy() != Qt::NoFocus && BuddyLabels(*control).isEmpty()) {
        relations.append({Interface(control), QAccessible::Labelled});
      }
    }
    return relations;
  }
};

// Qt names a combo box after its text on this desktop, meaning a label to name it instead; the
// name given to it says what the box is for, whatever it holds.
class ComboBox final : public QAccessibleWidget {
 public:
  explicit ComboBox(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? Combo().currentText() : QAccessibleWidget::text(t);
  }
  // Its drop-down list, then its edit field.
  int childCount() const override { return Combo().lineEdit() != nullptr ? 2 : 1; }
  QAccessibleInterface* child(int index) const override {
    if (index == 0) return Interface(Combo().view());
    return index == 1 ? Interface(Combo().lineEdit()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr || child->object() == nullptr) return -1;
    if (child->object() == Combo().view()) return 0;
    return child->object() == Combo().lineEdit() ? 1 : -1;
  }
  Relations relations(QAccessible::Relation match) const override {
    return WithOwnLabels(*widget(), match, QAccessibleWidget::relations(WithoutLabels(match)));
  }
  QStringList actionNames() const override {
    return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action != showMenuAction()) return QAccessibleWidget::doAction(action);
    if (Combo().view()->isVisible()) return Combo().hidePopup();
    Combo().showPopup();
  }

 private:
  QComboBox& Combo() const { return *static_cast<QComboBox*>(widget()); }
};

// A line edit with Qt's text interface, labelled by its own labels.
class LineEdit final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit LineEdit(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = Edit().isReadOnly();
    state.editable = !Edit().isReadOnly();
    state.selectableText = true;
    return state;
  }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? Shown() : QAccessibleWidget::text(t);
  }
  Relations relations(QAccessible::Relation match) const override {
    return WithOwnLabels(*widget(), match, QAccessibleWidget::relations(WithoutLabels(match)));
  }

  // The text interface.
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !Edit().hasSelectedText()) return;
    *start = Edit().selectionStart();
    *end = Edit().selectionEnd();
  }
  int selectionCount() const override { return Edit().hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int /*index*/) override { Edit().deselect(); }
  void setSelection(int /*index*/, int start, int end) override {
    Edit().setSelection(start, end - start);
  }
  int cursorPosition() const override { return Edit().cursorPosition(); }
  void setCursorPosition(int position) override { Edit().setCursorPosition(position); }
  QString text(int start, int end) const override { return Shown().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Shown().size()); }
  QRect characterRect(int /*offset*/) const override { return {}; }
  int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
  void scrollToSubstring(int /*start*/, int /*end*/) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

 private:
  QLineEdit& Edit() const { return *static_cast<QLineEdit*>(widget()); }
  // An empty price box reads as the note it shows greyed, "no price", as the eye reads it.
  QString Shown() const {
    const bool note = Edit().isReadOnly() && Edit().text().isEmpty();
    return note ? Edit().placeholderText() : Edit().text();
  }
};

class Alert final : public QAccessibleWidget {
 public:
  explicit Alert(QMessageBox* box) : QAccessibleWidget(box, QAccessible::AlertMessage) {}
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Value) return QAccessibleWidget::text(t);
    return static_cast<const QMessageBox*>(widget())->text();
  }
};

// The announcer: a notification named by its latest message. It draws nothing and is never
// hidden to a reader, which would otherwise drop the notification as coming from nowhere.
class Notification final : public QAccessibleWidget {
 public:
  explicit Notification(QWidget* announcer)
      : QAccessibleWidget(announcer, QAccessible::Notification) {}
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible = false;
    state.offscreen = false;
    return state;
  }
};

// Qt's application leaves out its popups, so that a reader finds no open menu, completer or
// drop-down list in the tree; each of them is a child of the application while it shows, after
// the windows, as its parent, the application, has it.
class Application final : public QAccessibleApplication {
 public:
  int childCount() const override {
    return QAccessibleApplication::childCount() + static_cast<int>(Popups().size());
  }
  QAccessibleInterface* child(int index) const override {
    const int windows = QAccessibleApplication::childCount();
    if (index < windows) return QAccessibleApplication::child(index);
    const QWidgetList popups = Popups();
    return index - windows < popups.size() ? Interface(popups.at(index - windows)) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const int window = QAccessibleApplication::indexOfChild(child);
    if (window >= 0 || child == nullptr) return window;
    const auto popup = Popups().indexOf(qobject_cast<QWidget*>(child->object()));
    return popup < 0 ? -1 : QAccessibleApplication::childCount() + static_cast<int>(popup);
  }

 private:
  static QWidgetList Popups() {
    QWidgetList popups;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->windowType() == Qt::Popup && widget->isVisible()) popups.append(widget);
    }
    return popups;
  }
};

// Qt asks for each class of an object from the most derived one up; Qt's own interfaces answer
// whatever is not claimed here.
QAccessibleInterface* Create(const QString& className, QObject* object) {
  if (object == qApp && className == QLatin1String("QApplication")) return new Application;
  auto* widget = qobject_cast<QWidget*>(object);
  if (widget == nullptr) return nullptr;
  if (className == QLatin1String("QComboBox")) return new ComboBox(static_cast<QComboBox*>(widget));
  if (className == QLatin1String("QLineEdit") &&
      qobject_cast<QComboBox*>(widget->parentWidget()) == nullptr) {
    return new LineEdit(static_cast<QLineEdit*>(widget));
  }
  if (className == QLatin1String("QGroupBox") && !static_cast<QGroupBox*>(widget)->isCheckable()) {
    return new Frame(static_cast<QGroupBox*>(widget));
  }
  if (className == QLatin1String("corvane::Announcer")) return new Notification(widget);
  if (className == QLatin1String("QMessageBox"))
    return new Alert(static_cast<QMessageBox*>(widget));
  if (className == QLatin1String("QWidget") && widget->windowType() == Qt::Window) {
    return new Container(widget, QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(&Create);
    return true;
  }();
  static_cast<void>(installed);
}

}  // namespace corvane

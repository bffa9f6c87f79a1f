#include "window/qt/keyboard_habits.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include <utility>

namespace corvane {
namespace {

// Qt presses a focused button with Enter only in dialogs, and there through its default-button
// machinery; a plain window has none, so the keys are passed on here.
class EnterPresses final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button == nullptr || !button->isEnabled()) return false;
    button->click();
    return true;
  }
};

}  // namespace

void PressButtonsWithEnter(QWidget& window) {
  auto* presses = new EnterPresses(&window);
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    button->installEventFilter(presses);
  }
}

void AddCloseKeys(QWidget& window, std::function<void()> close) {
  for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_Q, Qt::CTRL | Qt::Key_W}) {
    auto* shortcut = new QShortcut(QKeySequence(keys), &window);
    QObject::connect(shortcut, &QShortcut::activated, &window, close);
  }
}

}  // namespace corvane

// An open, loaded quote window, and the means to drive it with real key and mouse events.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "pricebook/price_book.h"
#include "window/qt/frm_tindrel.h"

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace corvane {

//! Answers every message box shown while it exists with OK, noting what each one showed.
class MessageBoxCloser {
 public:
  struct Seen {
    QMessageBox::Icon icon;
    QString title;
    QString text;
    qsizetype buttons;
  };

  MessageBoxCloser() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      seen.push_back({box->icon(), box->windowTitle(), box->text(), box->buttons().size()});
      if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        return QTest::mouseClick(ok, Qt::LeftButton);
      box->reject();
    });
    timer_.start(10);
  }
  std::vector<Seen> seen;

 private:
  QTimer timer_;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { Open(FillPriceBook()); }

  void Open(PriceBook book) {
    window_.reset();
    book_ = std::make_unique<PriceBook>(std::move(book));
    window_ = std::make_unique<FrmTindrel>(*book_, Separators{",", "."});
    window_->Load();
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  template <typename Widget = QWidget>
  Widget* Find(const char* name) const {
    auto* widget = window_->findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  std::string Shown(const char* priceBox) const {
    return Find<QLineEdit>(priceBox)->text().toStdString();
  }

  //! Where the user's keys go: an open list or popup, else the focus. Qt's test library would
  //! follow the focus window, which the offscreen platform leaves on a popup once it has closed.
  static QWidget* KeyTarget() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      return popup->focusWidget() != nullptr ? popup->focusWidget() : popup;
    }
    return QApplication::focusWidget();
  }
  static QWidget* TargetOrFailure() {
    QWidget* target = KeyTarget();
    if (target == nullptr) ADD_FAILURE() << "no control takes the keys: the window is not active";
    return target;
  }
  //! A key pressed and released where the user's keys go.
  static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (QWidget* target = TargetOrFailure()) QTest::keyClick(target, key, modifiers);
  }
  //! The key of a character, typed where the user's keys go.
  static void Press(char character) {
    if (QWidget* target = TargetOrFailure()) QTest::keyClick(target, character);
  }

  //! The named control that holds the keyboard focus (a combo box for its edit field).
  static std::string FocusedControl() {
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
      if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_"))) {
        return w->objectName().toStdString();
      }
    }
    return {};
  }

  //! Opens the combo box's list with a click on its arrow and clicks the entry at a position.
  void ChooseWithMouse(const char* comboName, int position) const {
    auto* combo = Find<QComboBox>(comboName);
    QTest::mouseClick(combo, Qt::LeftButton, {}, QPoint(combo->width() - 6, combo->height() / 2));
    QAbstractItemView* list = combo->view();
    // The list may roll open; a user waits to see it before clicking an entry.
    ASSERT_TRUE(QTest::qWaitFor([list] { return list->isVisible(); }, 2000));
    const QRect entry = list->visualRect(list->model()->index(position, 0));
    // Qt moves the mouse by placing the cursor, which does nothing where it already is.
    QTest::mouseMove(list->viewport(), entry.topLeft() + QPoint(2, 1));
    QTest::mouseMove(list->viewport(), entry.center());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
    QTest::qWait(20);
  }

  std::unique_ptr<PriceBook> book_;
  std::unique_ptr<FrmTindrel> window_;
};

}  // namespace corvane

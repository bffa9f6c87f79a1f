// Closing the window every way while a warning is held back (a refused step, a typed invalid
// discount), with and without quote lines: the program ends with status 0 or the window stays
// whole, and the only message box ever raised is the quote sheet's question.
#include <qpa/qwindowsysteminterface.h>

#include <QWindow>

#include <array>
#include <functional>
#include <string>

#include "sheet/qt/quote_sheet_window.h"
#include "window/qt/quote_actions.h"
#include "window/qt/tests/window_fixture.h"

namespace corvane {
namespace {

enum class Way { kCloseButton, kAltC, kCtrlQ, kCtrlW, kWindowManager };
enum class Held { kStep, kTypedDiscount };
enum class Lines { kNone, kDiscarded, kKept };

// Answers the quote sheet's question as told and any other box with OK, noting each one.
class BoxAnswers {
 public:
  explicit BoxAnswers(QMessageBox::StandardButton answer) {
    QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      (box->icon() == QMessageBox::Question ? questions : warnings).push_back(box->text());
      QAbstractButton* button = box->button(answer);
      if (button == nullptr) button = box->button(QMessageBox::Ok);
      if (button != nullptr) button->click();
    });
    timer_.start(10);
  }
  QStringList questions;
  QStringList warnings;

 private:
  QTimer timer_;
};

class ClosingTest : public WindowTest {
 protected:
  void AddAQuoteLine() {
    ChooseWithMouse("Combo1", 2);  // Windows HB 1, priced new
    ASSERT_FALSE(Shown("txtExclPrice").empty());
    window_->Quote().AddToQuote();
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  // From Windows PIPWICK most To packages have no price: Down steps to the first of them.
  void HoldAStep() {
    ChooseWithMouse("Combo1", 0);
    auto* to = Find<QComboBox>("Combo2");
    to->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < to->count() && !Refused(); ++step) {
      Press(Qt::Key_Down);
      QCoreApplication::processEvents();
    }
    ASSERT_TRUE(Refused());
  }

  void HoldATypedDiscount() {
    ChooseWithMouse("Combo1", 2);
    auto* discount = Find<QComboBox>("Combo3");
    discount->setFocus(Qt::TabFocusReason);
    discount->lineEdit()->selectAll();
    for (char c : std::string("-1%")) Press(c);
    QCoreApplication::processEvents();
    ASSERT_EQ(discount->currentText(), QStringLiteral("-1%"));
  }

  bool Refused() const {
    return Shown("txtExclPrice").empty() &&
           !Find<QLineEdit>("txtExclPrice")->placeholderText().isEmpty();
  }

  void Close(Way way) {
    switch (way) {
      case Way::kCloseButton: {
        // A person's click: the button is held down while the focus leaves the field.
        QWidget* close = Find("cmdClose");
        QTest::mousePress(close, Qt::LeftButton);
        QTest::qWait(30);
        QTest::mouseRelease(close, Qt::LeftButton);
        return;
      }
      case Way::kAltC:
        return Press(Qt::Key_C, Qt::AltModifier);
      case Way::kCtrlQ:
        return Press(Qt::Key_Q, Qt::ControlModifier);
      case Way::kCtrlW:
        return Press(Qt::Key_W, Qt::ControlModifier);
      case Way::kWindowManager:
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            window_->windowHandle());
        return;
    }
  }
};

struct ClosingCase {
  Way way;
  Held held;
  Lines lines;
};

TEST_F(ClosingTest, EveryWayEndsTheProgramOrKeepsTheWindowWithoutAWarning) {
  std::vector<ClosingCase> cases;
  for (Way way : {Way::kCloseButton, Way::kAltC, Way::kCtrlQ, Way::kCtrlW, Way::kWindowManager}) {
    for (Held held : {Held::kStep, Held::kTypedDiscount}) {
      for (Lines lines : {Lines::kNone, Lines::kDiscarded, Lines::kKept})
        cases.push_back({way, held, lines});
    }
  }
  for (const ClosingCase& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "way " << static_cast<int>(c.way) << ", held " << static_cast<int>(c.held)
                 << ", lines " << static_cast<int>(c.lines));
    Open(FillPriceBook());
    if (c.lines != Lines::kNone) AddAQuoteLine();
    if (c.held == Held::kStep) {
      HoldAStep();
    } else {
      HoldATypedDiscount();
    }
    const std::string toText = Find<QComboBox>("Combo2")->currentText().toStdString();
    BoxAnswers answers(c.lines == Lines::kKept ? QMessageBox::Cancel : QMessageBox::Discard);

    if (c.lines == Lines::kKept) {
      Close(c.way);
      QTest::qWait(300);  // Alt+C presses the button visibly before it clicks
      EXPECT_TRUE(window_->isVisible());
      EXPECT_EQ(window_->Quote().Sheet()->Sheet().Lines().size(), 1u);
      EXPECT_EQ(Find<QComboBox>("Combo2")->currentText().toStdString(), toText);
    } else {
      QTimer::singleShot(0, [this, &c] { Close(c.way); });
      QTimer stuck;
      QObject::connect(&stuck, &QTimer::timeout, [] { QApplication::exit(1); });
      stuck.start(5000);
      EXPECT_EQ(QApplication::exec(), 0);
      EXPECT_FALSE(window_->isVisible());
    }
    EXPECT_EQ(answers.questions.size(), c.lines == Lines::kNone ? 0 : 1);
    EXPECT_TRUE(answers.warnings.isEmpty()) << answers.warnings.join(u'|').toStdString();
  }
}

// Enter and Space on the closing question press its default button, which keeps the window open
// and the lines on the sheet; "Close" ends the program with the lines kept for the next start.
TEST_F(ClosingTest, EnterAndSpaceOnTheQuestionKeepTheWindowAndTheLines) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    SCOPED_TRACE(key);
    Open(FillPriceBook());
    AddAQuoteLine();
    QStringList asked;
    QTimer pressing;
    QObject::connect(&pressing, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      asked << box->text();
      QWidget* focus = QApplication::focusWidget();
      QTest::keyClick(focus != nullptr && box->isAncestorOf(focus) ? focus : box, key);
    });
    pressing.start(10);
    Close(Way::kWindowManager);
    QTest::qWait(100);
    pressing.stop();
    EXPECT_EQ(asked.size(), 1);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(window_->Quote().Sheet()->Sheet().Lines().size(), 1u);
  }
  BoxAnswers answers(QMessageBox::Close);
  QTimer::singleShot(0, [this] { Close(Way::kWindowManager); });
  QTimer stuck;
  QObject::connect(&stuck, &QTimer::timeout, [] { QApplication::exit(1); });
  stuck.start(5000);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_TRUE(window_->Quote().Sheet()->Sheet().HasUnsentLines());
}

}  // namespace
}  // namespace corvane

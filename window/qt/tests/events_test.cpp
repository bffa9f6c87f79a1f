// The window driven as a dealer drives it: real key presses and mouse clicks on its controls.
#include <QCompleter>
#include <QListWidget>

#include <cstdint>
#include <limits>

#include "window/qt/tests/window_fixture.h"

namespace corvane {
namespace {

TEST_F(WindowTest, QuoteMadeWithKeysAndMouse) {
  // From: open the list with F4, move to "Windows HB 1" and press Enter.
  Press(Qt::Key_F4);
  ASSERT_EQ(Find<QComboBox>("Combo1")->view()->currentIndex().row(), 0);
  for (int i = 0; i < 2; ++i) Press(Qt::Key_Down);
  ASSERT_EQ(Find<QComboBox>("Combo1")->view()->currentIndex().row(), 2);
  Press(Qt::Key_Return);
  EXPECT_EQ(Find<QComboBox>("Combo1")->currentText(), QStringLiteral("Windows HB 1"));
  EXPECT_EQ(Shown("txtExclPrice"), "4,200.00");
  EXPECT_EQ(Shown("txtInclPrice"), "4,788.00");
  EXPECT_EQ(Find<QComboBox>("Combo2")->count(), 29);

  ChooseWithMouse("Combo2", 2);
  EXPECT_EQ(Find<QComboBox>("Combo2")->currentText(), QStringLiteral("Windows HB 3"));
  EXPECT_EQ(Shown("txtExclPrice"), "1,600.00");
  EXPECT_EQ(Shown("txtInclPrice"), "1,824.00");

  // Discount: the next control after Combo2; each arrow press is a choice.
  Press(Qt::Key_Tab);
  ASSERT_EQ(FocusedControl(), "Combo3");
  Press(Qt::Key_Down);
  Press(Qt::Key_Down);
  EXPECT_EQ(Find<QComboBox>("Combo3")->currentText(), QStringLiteral("10%"));
  EXPECT_EQ(Shown("txtExclPrice"), "1,440.00");
  EXPECT_EQ(Shown("txtInclPrice"), "1,641.60");
}

TEST_F(WindowTest, RefusedQuoteShowsOneWarningAndClearsThePrices) {
  MessageBoxCloser closer;
  ChooseWithMouse("Combo1", 3);  // Windows HB 2
  ASSERT_EQ(Shown("txtExclPrice"), "4,900.00");
  ChooseWithMouse("Combo2", 4);  // Windows Tessaline 1: fewer terminals
  ASSERT_EQ(closer.seen.size(), 1u);
  EXPECT_EQ(closer.seen[0].icon, QMessageBox::Warning);
  EXPECT_EQ(closer.seen[0].title, QStringLiteral("Tindrel"));
  EXPECT_EQ(closer.seen[0].buttons, 1);
  EXPECT_TRUE(closer.seen[0].text.startsWith(
      QStringLiteral("YOU MAY NOT REDUCE THE NUMBER OF TERMINALS.\n")));
  EXPECT_FALSE(closer.seen[0].text.contains(QLatin1Char('\r')));
  EXPECT_EQ(Shown("txtExclPrice"), "");
  EXPECT_EQ(Shown("txtInclPrice"), "");
}

TEST_F(WindowTest, TypingClearsTheSelectionAndEnterOnAnEntrysTextChoosesIt) {
  auto* from = Find<QComboBox>("Combo1");
  Press(Qt::Key_Down);  // Windows PIPWICK
  ASSERT_EQ(from->currentIndex(), 0);
  ASSERT_EQ(Shown("txtExclPrice"), "788.60");
  Press(Qt::Key_Home);
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("A"));
  EXPECT_EQ(from->currentIndex(), -1);
  EXPECT_EQ(from->currentText(), QStringLiteral("AWindows PIPWICK"));
  EXPECT_EQ(from->lineEdit()->cursorPosition(), 1);
  EXPECT_EQ(Shown("txtExclPrice"), "");
  // Back to an entry's exact text: leaving the field chooses it as Enter does; no entry is added.
  Press(Qt::Key_Backspace);
  Press(Qt::Key_Tab);
  QCoreApplication::processEvents();  // leaving waits for the focus to settle
  EXPECT_EQ(FocusedControl(), "Combo2");
  EXPECT_EQ(from->currentText(), QStringLiteral("Windows PIPWICK"));
  EXPECT_EQ(from->currentIndex(), 0);
  EXPECT_EQ(from->count(), 31);
  EXPECT_EQ(Find<QComboBox>("Combo2")->count(), 31);
  EXPECT_EQ(Shown("txtExclPrice"), "788.60");
}

// A click outside the open finder closes it and acts on what it lands on, as completion popups do.
// The click comes through the window system, as a user's does, so that the popup sees it first.
TEST_F(WindowTest, AClickOutsideTheFinderActsOnWhatItLandsOn) {
  const auto clickThroughWindow = [this](const char* name) {
    QWidget* target = Find(name);
    const QPoint at = target->mapTo(window_.get(), target->rect().center());
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, at);
    QCoreApplication::processEvents();
  };
  const auto finder = [this](const char* combo) -> QWidget* {
    QCompleter* completer = Find<QComboBox>(combo)->lineEdit()->completer();
    return completer != nullptr ? completer->popup() : nullptr;
  };
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("hb"));
  ASSERT_TRUE(finder("Combo1") != nullptr && finder("Combo1")->isVisible());
  clickThroughWindow("Combo3");
  EXPECT_FALSE(finder("Combo1")->isVisible());
  EXPECT_EQ(FocusedControl(), "Combo3");
  EXPECT_EQ(Find<QComboBox>("Combo1")->currentText(), QStringLiteral("hb"));

  Open(FillPriceBook());
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("hb 1"));
  Press(Qt::Key_Return);
  Press(Qt::Key_Tab);
  ASSERT_EQ(FocusedControl(), "Combo2");
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("hb"));
  ASSERT_TRUE(finder("Combo2") != nullptr && finder("Combo2")->isVisible());
  clickThroughWindow("cmdSupport");
  EXPECT_FALSE(finder("Combo2")->isVisible());
  EXPECT_TRUE(Find("fmeSupport")->isVisible());
  ASSERT_GT(Find<QListWidget>("List1")->count(), 0);
  EXPECT_EQ(Find<QListWidget>("List1")->item(0)->text(),
            QStringLiteral("Support Contract (monthly): Tessaline 1"));
}

TEST_F(WindowTest, ListModeCoversTheQuoteAndPricesClickedItems) {
  QTest::mouseClick(Find("cmdSupport"), Qt::LeftButton);
  for (const char* covered : {"lblTitle", "fmeFrom", "fmeTo", "Combo1", "Combo3"}) {
    EXPECT_FALSE(Find(covered)->isVisible()) << covered;
  }
  auto* list = Find<QListWidget>("List1");
  ASSERT_EQ(list->count(), 36);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(Shown("txtSuppExcl"), "184.21");
  EXPECT_EQ(Shown("txtSuppIncl"), "210.00");
  QTest::mouseClick(Find("cmdOther"), Qt::LeftButton);
  EXPECT_EQ(list->count(), 22);
  EXPECT_EQ(Shown("txtSuppExcl"), "0.00");
  QTest::keyClick(list, Qt::Key_Down);  // the keyboard moves the selection to the first item
  QTest::keyClick(list, Qt::Key_Up);
  ASSERT_EQ(list->currentRow(), 0);
  EXPECT_EQ(Shown("txtSuppExcl"), "3,000.00");
  EXPECT_EQ(Shown("txtSuppIncl"), "3,420.00");
  // Ctrl and click takes the selection away; that chooses no item.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    list->visualItemRect(list->item(0)).center());
  ASSERT_TRUE(list->selectedItems().isEmpty());
  EXPECT_EQ(Shown("txtSuppExcl"), "3,000.00");
}

TEST_F(WindowTest, ErrorInAHandlerIsReportedAndTheWindowStaysOpen) {
  PriceBook book = FillPriceBook();
  book.PackagePrice.Set(2, Money::fromTenThousandths(std::numeric_limits<std::int64_t>::max() / 2));
  Open(std::move(book));
  MessageBoxCloser closer;
  Press(Qt::Key_Down);  // Windows PIPWICK: adding VAT overflows
  ASSERT_EQ(closer.seen.size(), 1u);
  EXPECT_EQ(closer.seen[0].icon, QMessageBox::Critical);
  EXPECT_EQ(closer.seen[0].title, QStringLiteral("Tindrel"));
  EXPECT_EQ(Shown("txtExclPrice"), "");  // nothing of a price that could not be worked out
  EXPECT_EQ(Shown("txtInclPrice"), "");
  EXPECT_TRUE(window_->isVisible());
  ChooseWithMouse("Combo1", 2);  // and the window still answers
  EXPECT_EQ(Shown("txtInclPrice"), "4,788.00");
}

}  // namespace
}  // namespace corvane

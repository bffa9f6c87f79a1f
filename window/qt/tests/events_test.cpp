// The window driven as a dealer drives it: real key presses and mouse clicks on its controls.
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

  // Discount: Tab from Combo2 passes cmdClose; each arrow press is a choice.
  Press(Qt::Key_Tab);
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
  // Back to an entry's exact text, then Tab: no choice. Enter then chooses it; no entry is added.
  Press(Qt::Key_Backspace);
  Press(Qt::Key_Tab);
  EXPECT_EQ(from->currentIndex(), -1);
  from->setFocus();
  Press(Qt::Key_Return);
  EXPECT_EQ(from->currentText(), QStringLiteral("Windows PIPWICK"));
  EXPECT_EQ(from->currentIndex(), 0);
  EXPECT_EQ(from->count(), 31);
  EXPECT_EQ(Find<QComboBox>("Combo2")->count(), 31);
  EXPECT_EQ(Shown("txtExclPrice"), "788.60");
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

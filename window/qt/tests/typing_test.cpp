// The window driven by keys alone: finding entries by typing, typed discounts, stepping through
// a list without message boxes, and the keys a keyboard user expects.
#include <QAbstractItemView>
#include <QCompleter>
#include <QGroupBox>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "window/headless/headless_window.h"
#include "window/qt/tests/window_fixture.h"
#include "window/tests/window_test_support.h"

namespace corvane {
namespace {

using Boxes = std::pair<std::string, std::string>;

class KeysTest : public WindowTest {
 protected:
  QComboBox* From() const { return Find<QComboBox>("Combo1"); }
  QComboBox* To() const { return Find<QComboBox>("Combo2"); }
  QComboBox* Discount() const { return Find<QComboBox>("Combo3"); }
  Boxes Prices() const { return {Shown("txtExclPrice"), Shown("txtInclPrice")}; }

  //! What the boxes should show for what the fields show now: the same choices made in a
  //! headless window, and the discount field's text applied.
  Boxes PriceOfTheFields() const {
    HeadlessWindow w(*book_, Separators{",", "."});
    w.ChooseFrom(From()->currentIndex());
    w.ChooseTo(To()->currentIndex());
    w.TypeDiscount(Discount()->currentText().toStdString());
    w.PressEnter(WindowField::Discount);
    return {w.txtExclPrice.Text(), w.txtInclPrice.Text()};
  }

  //! One key; afterwards each box is empty or shows the price of exactly what the fields show.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Press(key, modifiers);
    Counted();
  }
  void Keys(const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
      Press(*c);
      Counted();
    }
  }
  void Counted() {
    ++keystrokes_;
    QCoreApplication::processEvents();  // what leaving a field does waits for the focus to settle
    const Boxes shown = Prices();
    const Boxes expected = PriceOfTheFields();
    EXPECT_TRUE(shown.first.empty() || shown.first == expected.first)
        << "key " << keystrokes_ << ": " << shown.first;
    EXPECT_TRUE(shown.second.empty() || shown.second == expected.second)
        << "key " << keystrokes_ << ": " << shown.second;
  }

  int keystrokes_ = 0;
};

TEST_F(KeysTest, TheRoadOfOneQuoteTakesAtMostFourteenKeys) {
  MessageBoxCloser closer;
  Keys("hb 1");
  Key(Qt::Key_Tab);  // leaving the field chooses the package it names
  Keys("hb 3");
  Key(Qt::Key_Tab);
  ASSERT_EQ(FocusedControl(), "Combo3");
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  EXPECT_EQ(From()->currentText().toStdString(), "Windows HB 1");
  EXPECT_EQ(To()->currentText().toStdString(), "Windows HB 3");
  EXPECT_EQ(Discount()->currentText().toStdString(), "10%");
  EXPECT_EQ(Prices(), Boxes("1,440.00", "1,641.60"));
  EXPECT_LE(keystrokes_, 14);
  EXPECT_TRUE(closer.seen.empty());
}

// The shortest text that names a package, then Tab, for From and To: every To package of two
// From packages, each from the window's start.
TEST_F(KeysTest, AnyPairTakesAtMostTwelveKeys) {
  const auto texts = [](const ComboBox& combo) {
    std::vector<std::string> entries;
    for (int i = 0; i < combo.ListCount(); ++i) entries.push_back(combo.ItemText(i));
    return entries;
  };
  for (const int from : {2, 7}) {  // Windows HB 1, Windows Tessaline 1
    HeadlessWindow chosen(*book_, Separators{",", "."});
    const std::string fromText = testing::ShortestNamingText(texts(chosen.Combo1), from);
    chosen.ChooseFrom(from);
    const std::vector<std::string> toEntries = texts(chosen.Combo2);
    for (int to = 1; to < static_cast<int>(toEntries.size()); ++to) {
      SCOPED_TRACE(toEntries[static_cast<std::size_t>(to)]);
      Open(FillPriceBook());
      MessageBoxCloser closer;  // most of these moves are refused with a warning
      keystrokes_ = 0;
      Keys(fromText.c_str());
      Key(Qt::Key_Tab);
      Keys(testing::ShortestNamingText(toEntries, to).c_str());
      Key(Qt::Key_Tab);
      EXPECT_EQ(From()->currentIndex(), from);
      EXPECT_EQ(To()->currentIndex(), to);
      EXPECT_LE(keystrokes_, 12);
    }
  }
}

// Enter, or leaving the field, chooses the entry whose words the text holds whole, even where
// longer entries hold the text too.
TEST_F(KeysTest, EnterOrLeavingChoosesTheEntryOfTheWholeWords) {
  const std::tuple<const char*, Qt::Key, const char*> cases[] = {
      {"tessaline 1", Qt::Key_Return, "Windows Tessaline 1"},
      {"Windows Tessaline 1", Qt::Key_Tab, "Windows Tessaline 1"},
      {"hb 3", Qt::Key_Tab, "Windows HB 3"},
      {"tessaline 19", Qt::Key_Return, "Windows Tessaline 19"}};
  for (const auto& [typed, key, chosen] : cases) {
    SCOPED_TRACE(typed);
    Open(FillPriceBook());
    Keys(typed);
    Key(key);
    EXPECT_EQ(From()->currentText().toStdString(), chosen);
    EXPECT_GE(From()->currentIndex(), 0);
    EXPECT_FALSE(Prices().first.empty());
  }
}

TEST_F(KeysTest, TheFinderOffersMatchingEntriesAndEnterChoosesTheOneNamed) {
  Keys("drav");
  QAbstractItemView* offers = From()->lineEdit()->completer()->popup();
  ASSERT_TRUE(offers->isVisible());
  ASSERT_EQ(offers->model()->rowCount(), 5);
  for (int row = 0; row < 5; ++row) {
    EXPECT_EQ(offers->model()->index(row, 0).data(), From()->itemText(15 + row)) << row;
  }
  Key(Qt::Key_Escape);  // closes the popup only
  EXPECT_FALSE(offers->isVisible());
  Key(Qt::Key_Escape);
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(From()->currentIndex(), -1);

  // Enter on several offers chooses nothing; a choice in the popup is a choice of the entry.
  Key(Qt::Key_Return);
  EXPECT_EQ(From()->currentIndex(), -1);
  Key(Qt::Key_Backspace);
  Keys("v");
  ASSERT_TRUE(offers->isVisible());
  Key(Qt::Key_Down);
  Key(Qt::Key_Return);
  EXPECT_EQ(From()->currentText().toStdString(), "Windows Dravon Builder 24");
  EXPECT_EQ(Prices(), Boxes("39,000.00", "44,460.00"));

  From()->lineEdit()->selectAll();
  Keys("hb  3");
  Key(Qt::Key_Return);
  EXPECT_EQ(From()->currentText().toStdString(), "Windows HB 3");
  EXPECT_EQ(From()->currentIndex(), 4);
  EXPECT_EQ(Prices(), Boxes("5,600.00", "6,384.00"));
  EXPECT_EQ(To()->count(), 27);  // the To list that choice fills
}

// The finder offers what Enter would choose among: the beginnings of words name an entry too.
TEST_F(KeysTest, TheFinderOffersEntriesByTheBeginningsOfTheirWords) {
  Keys("v a");
  QAbstractItemView* offers = From()->lineEdit()->completer()->popup();
  ASSERT_TRUE(offers->isVisible());
  ASSERT_EQ(offers->model()->rowCount(), 1);
  EXPECT_EQ(offers->model()->index(0, 0).data().toString(), QStringLiteral("VAULTA Manager AddOn"));
  EXPECT_FALSE(offers->currentIndex().isValid());  // Enter is left to the typed text
  Key(Qt::Key_Return);
  EXPECT_EQ(From()->currentText().toStdString(), "VAULTA Manager AddOn");
}

TEST_F(KeysTest, TypingOverAChoiceEmptiesTheBoxesAndUnknownTextChoosesNothing) {
  MessageBoxCloser closer;
  Key(Qt::Key_Down);  // Windows PIPWICK
  ASSERT_EQ(Prices(), Boxes("788.60", "899.00"));
  Keys("x");
  EXPECT_EQ(Prices(), Boxes());
  Keys("yz");
  Key(Qt::Key_Return);
  EXPECT_EQ(From()->currentIndex(), -1);
  EXPECT_EQ(From()->currentText().toStdString(), "Windows PIPWICKxyz");
  EXPECT_EQ(Prices(), Boxes());
  EXPECT_TRUE(closer.seen.empty());
}

// A comma and a point both mark a discount's decimals; Enter or leaving the field applies it.
TEST_F(KeysTest, ATypedDiscountIsAppliedOnEnterOrOnLeaving) {
  Keys("hb 1");
  Key(Qt::Key_Return);
  Key(Qt::Key_Tab);
  Keys("hb 3");
  Key(Qt::Key_Return);
  Discount()->setFocus(Qt::TabFocusReason);
  Keys("12,5%");
  Key(Qt::Key_Return);
  EXPECT_EQ(Prices(), Boxes("1,400.00", "1,596.00"));
  Key(Qt::Key_A, Qt::ControlModifier);
  Keys("1");
  EXPECT_EQ(Prices(), Boxes());
  Keys("2.5%");
  Key(Qt::Key_Tab);
  EXPECT_EQ(Prices(), Boxes("1,400.00", "1,596.00"));
}

// From "Windows PIPWICK" most To packages have no price: stepping down the whole list raises
// no box, and the boxes are empty exactly where choosing the entry would warn.
TEST_F(KeysTest, SteppingThroughAListRaisesNoBoxUntilTheDealerCommits) {
  MessageBoxCloser closer;
  Key(Qt::Key_Down);  // Windows PIPWICK
  Key(Qt::Key_Tab);
  ASSERT_EQ(FocusedControl(), "Combo2");
  int refused = 0;
  for (int position = 0; position < To()->count(); ++position) {
    Key(Qt::Key_Down);
    ASSERT_EQ(To()->currentIndex(), position);
    HeadlessWindow clicked(*book_, Separators{",", "."});
    clicked.ChooseFrom(0);
    clicked.ChooseTo(position);
    const bool warns = !clicked.messages.Warnings().empty();
    EXPECT_EQ(Prices() == Boxes(), warns) << To()->currentText().toStdString();
    EXPECT_EQ(Find<QLineEdit>("txtExclPrice")->placeholderText().isEmpty(), !warns);
    refused += warns ? 1 : 0;
  }
  EXPECT_EQ(refused, 17);
  EXPECT_TRUE(closer.seen.empty());

  while (To()->currentText().toStdString() != "Windows Tessaline 19") Key(Qt::Key_Up);
  EXPECT_TRUE(closer.seen.empty());
  Key(Qt::Key_Return);
  ASSERT_EQ(closer.seen.size(), 1u);
  EXPECT_TRUE(
      closer.seen[0].text.startsWith(QLatin1String("SORRY! THAT PRICE IS NOT IN THE DATABASE.\n")));
  // The offscreen platform gives the window back its activation only when asked.
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  ASSERT_EQ(FocusedControl(), "Combo2");
  Key(Qt::Key_Return);
  Key(Qt::Key_Tab);
  EXPECT_EQ(closer.seen.size(), 1u);
}

TEST_F(KeysTest, EnterPressesTheFocusedButtonAndEscapeNeverCloses) {
  Find("cmdSupport")->setFocus(Qt::TabFocusReason);
  Key(Qt::Key_Return);
  EXPECT_TRUE(Find("fmeSupport")->isVisible());
  Find("cmdUpgrade")->setFocus(Qt::TabFocusReason);
  Key(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_FALSE(Find("fmeSupport")->isVisible());
  Key(Qt::Key_Escape);
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(KeysTest, CtrlQAndCtrlWCloseTheWindow) {
  for (Qt::Key key : {Qt::Key_Q, Qt::Key_W}) {
    Open(FillPriceBook());
    Keys("hb");  // from inside an edit field, its popup open
    Key(Qt::Key_Escape);
    Key(key, Qt::ControlModifier);
    EXPECT_FALSE(window_->isVisible()) << key;
  }
}

}  // namespace
}  // namespace corvane

// Every button, mode and labelled field of each window, and every entry of each menu, has an
// access key of its own, so that Alt and the key (or the key in an open menu) reaches exactly it.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>

#include <map>
#include <string>

#include "register/qt/quotes_window.h"
#include "sheet/qt/quote_sheet_window.h"
#include "window/qt/quote_actions.h"
#include "window/qt/tests/window_fixture.h"

namespace corvane {
namespace {

// The letter after the text's one "&"; none when it has none.
QChar AccessKey(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
    ++i;
  }
  return {};
}

// Texts by the key they take; a text without one is listed under an empty key.
using Taken = std::multimap<QChar, QString>;

void ExpectEachHasItsOwnKey(const Taken& taken, const std::string& where) {
  for (const auto& [key, text] : taken) {
    EXPECT_FALSE(key.isNull()) << where << ": \"" << text.toStdString() << "\" has no access key";
    EXPECT_EQ(taken.count(key), 1u)
        << where << ": \"" << text.toStdString() << "\" shares " << QString(key).toStdString();
  }
}

// The buttons a window shows, each of which needs a key of its own, and the keys of its fields'
// labels, which must not take a button's.
Taken WindowKeys(const QWidget& window) {
  Taken taken;
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->window() == &window && button->isVisibleTo(&window) && !button->text().isEmpty())
      taken.emplace(AccessKey(button->text()), button->text());
  }
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    if (label->window() == &window && label->buddy() != nullptr && label->isVisibleTo(&window) &&
        label->buddy()->focusPolicy() != Qt::NoFocus && !AccessKey(label->text()).isNull())
      taken.emplace(AccessKey(label->text()), label->text());
  }
  return taken;
}

class AccessKeysTest : public WindowTest {
 protected:
  //! The entries of the context menu that Shift+F10 opens over the focused control.
  Taken MenuKeys(const char* over) {
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    Find(over)->setFocus();
    Taken taken;
    QTimer::singleShot(0, [&taken] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      for (const QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->isVisible())
          taken.emplace(AccessKey(action->text()), action->text());
      }
      menu->close();
    });
    Press(Qt::Key_F10, Qt::ShiftModifier);
    return taken;
  }
};

TEST_F(AccessKeysTest, EveryButtonModeAndFieldOfEachWindowHasItsOwnKey) {
  ExpectEachHasItsOwnKey(WindowKeys(*window_), "the window");
  // The age buttons, where they show, in their two sets of captions.
  for (const char* from : {"hb 1", "quaymart"}) {
    Find<QComboBox>("Combo1")->setFocus();
    for (const char* c = from; *c != '\0'; ++c) Press(*c);
    Press(Qt::Key_Return);
    ExpectEachHasItsOwnKey(WindowKeys(*window_), std::string("the window after ") + from);
  }
  QTest::mouseClick(Find("cmdSupport"), Qt::LeftButton);
  ExpectEachHasItsOwnKey(WindowKeys(*window_), "the window listing support contracts");

  window_->Quote().ShowSheet();
  QuoteSheetWindow& sheet = *window_->Quote().Sheet();
  ExpectEachHasItsOwnKey(WindowKeys(sheet), "the quote sheet");
  sheet.ShowQuotes();
  ASSERT_NE(sheet.Quotes(), nullptr);
  ExpectEachHasItsOwnKey(WindowKeys(*sheet.Quotes()), "the Quotes window");
  bool seen = false;
  QTimer::singleShot(0, [&seen] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    ExpectEachHasItsOwnKey(WindowKeys(*dialog), "the Dealer details dialog");
    seen = true;
    dialog->reject();
  });
  sheet.ShowDealerDetails();
  EXPECT_TRUE(seen);
  sheet.close();
}

TEST_F(AccessKeysTest, EveryMenuEntryHasItsOwnKeyBesideTheEditFieldsOwn) {
  const Taken inField = MenuKeys("Combo1");
  EXPECT_EQ(inField.size(), window_->Quote().MenuActions().size() + 7) << "Qt's entries too";
  ExpectEachHasItsOwnKey(inField, "the menu of the From field");
  const Taken onButton = MenuKeys("cmdClose");
  EXPECT_EQ(onButton.size(), window_->Quote().MenuActions().size());
  ExpectEachHasItsOwnKey(onButton, "the window's menu");
}

}  // namespace
}  // namespace corvane

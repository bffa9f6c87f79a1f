// frmTindrel, the quote window: its controls as Qt widgets, with the behaviour of QuoteWindow.
#pragma once

#include <QWidget>

#include <array>
#include <functional>

#include "money/format_price.h"
#include "pricebook/price_book.h"
#include "window/qt/qt_controls.h"
#include "window/quote_window.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace corvane {

class Announcer;
class PriceBookActions;
class QuoteActions;

class FrmTindrel : public QWidget {
  Q_OBJECT

 public:
  //! Creates every control in its start state; the lists stay empty until Load. The window owns
  //! the book it prices from.
  FrmTindrel(PriceBook book, Separators separators, QWidget* parent = nullptr);
  ~FrmTindrel() override;
  FrmTindrel(const FrmTindrel&) = delete;
  FrmTindrel& operator=(const FrmTindrel&) = delete;

  //! The load step: fills the From list and the discount list. Call once, before show().
  void Load();

  //! Sends warnings and error reports to the sink instead of message boxes; nullptr restores
  //! the message boxes.
  void RouteMessagesTo(MessageSink* sink) { messages_.RouteTo(sink); }
  const WindowState& State() const { return behaviour_.State(); }

  //! Copying the price shown, the quote sheet, and the context menu that offers them.
  QuoteActions& Quote() { return *quoteActions_; }
  //! Opening another price book, and what the window says of the one in use.
  PriceBookActions& Books() { return *bookActions_; }

  //! The book the window prices from, and the file it was read from (empty for the built-in one).
  const PriceBook& Book() const { return book_; }
  const QString& BookFile() const { return bookFile_; }
  //! Prices from `book` from now on: the lists start over, the footnote names the book's date, and
  //! the quote sheet names its rate and telephone number.
  void UsePriceBook(PriceBook book, QString file);
  //! Tells a screen reader once what an action did or what the window cannot do, as it tells a
  //! new price, the focus staying where it is.
  void Say(const QString& text);

 protected:
  //! Every way of closing the window runs the unload step; it refuses only when the dealer keeps
  //! quote lines not yet handed on. A closing window raises no warning: one held back by a step or
  //! a typed discount is dropped, so that no message box outlives the window.
  void closeEvent(QCloseEvent* event) override;

 private:
  //! The widgets, by their names in the window; Qt owns them as children of the window.
  struct Widgets {
    QLabel* lblTitle;
    QGroupBox* fmeFrom;
    QComboBox* Combo1;
    QLabel* lblAge;
    std::array<QRadioButton*, 3> optAge;
    QGroupBox* fmeTo;
    QComboBox* Combo2;
    QLabel* lblDisc;
    QComboBox* Combo3;
    QLabel* Label2;
    QLineEdit* txtExclPrice;
    QLabel* Label3;
    QLineEdit* txtInclPrice;
    QLabel* Label6;
    QPushButton* cmdOther;
    QPushButton* cmdSupport;
    QPushButton* cmdUpgrade;
    QPushButton* cmdClose;
    QGroupBox* fmeSupport;
    QListWidget* List1;
    QLabel* Label4;
    QLineEdit* txtSuppExcl;
    QLabel* Label1;
    QLineEdit* txtSuppIncl;
  };
  static Widgets CreateWidgets(QWidget& window);
  void ShrinkToScreen();
  //! The tab order of the layout; the item frame's controls follow the button that shows it.
  void SetTabOrder(QWidget* itemsAfter);
  //! The footnote with the book's date; its tooltip says which book is in use.
  void ShowBookFacts();
  void ConnectEvents();
  template <typename Raise>
  void ConnectFieldEvents(Raise raise);
  template <typename Handler>
  void Deliver(Handler handler);
  //! What a screen reader hears of the visible price boxes: their prices, or why they show none.
  QString PricesToSay() const;
  //! The commit a field's lost focus makes, unless the dealer is on the way out.
  std::function<void()> CommitOnLeaving(std::function<void()> commit);

  // Declared first: the behaviour holds a reference to it, and every other member may use it.
  PriceBook book_;
  QString bookFile_;
  Widgets w_;
  QtComboBox combo1_;
  QtComboBox combo2_;
  QtComboBox combo3_;
  QtListBox list1_;
  QtTextBox txtExclPrice_;
  QtTextBox txtInclPrice_;
  QtTextBox txtSuppExcl_;
  QtTextBox txtSuppIncl_;
  QtFrame fmeSupport_;
  QtFrame lblTitle_;
  QtFrame fmeFrom_;
  QtFrame fmeTo_;
  std::array<QtOptionButton, 3> optAge_;
  QtMessageBoxes messageBoxes_;
  MessageRouter messages_;
  DiscardedMessages discarded_;  //!< where messages go once the window is closing
  bool closing_ = false;
  QtForm form_;
  QuoteWindow behaviour_;
  QuoteActions* quoteActions_;     // a child of the window
  PriceBookActions* bookActions_;  // a child of the window
  Announcer* announcer_;           // a child of the window
};

}  // namespace corvane

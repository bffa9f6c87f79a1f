// The quote window over headless controls, driven by user actions as a dealer would make them.
#pragma once

#include <string>

#include "money/format_price.h"
#include "pricebook/price_book.h"
#include "window/headless/headless_controls.h"
#include "window/quote_window.h"
#include "window/window_texts.h"

namespace corvane {

enum class WindowButton { Other, Support, Upgrade, Close };
//! The three editable lists: From (Combo1), To (Combo2) and the discount (Combo3).
enum class WindowField { From, To, Discount };

//! Created and loaded like the real window. Each action is one user event, delivered as the real
//! window delivers it: a control that is hidden takes no action, a position the list does not
//! hold is no choice, and an error a handler raises becomes a recorded error message.
class HeadlessWindow {
 public:
  explicit HeadlessWindow(const PriceBook& book, Separators separators = {});
  HeadlessWindow(const HeadlessWindow&) = delete;
  HeadlessWindow& operator=(const HeadlessWindow&) = delete;

  void ChooseFrom(int position);
  void ChooseTo(int position);
  void ChooseDiscount(int position);
  //! Typing replaces the field's text and raises its change event, as each key typed does.
  void TypeFrom(std::string text);
  void TypeTo(std::string text);
  void TypeDiscount(std::string text);
  //! An arrow key in the closed list, having moved its selection to the position.
  void Step(WindowField field, int position);
  void PressEnter(WindowField field);
  //! The focus leaves the field for another control.
  void Leave(WindowField field);
  void Press(WindowButton button);
  void ChooseItem(int position);

  bool ItemFrameShown() const { return fmeSupport.Visible(); }
  const WindowState& State() const { return behaviour_.State(); }
  //! Raises a handler directly, as the platform would; for events no user action reaches.
  QuoteWindow& Behaviour() { return behaviour_; }

  HeadlessComboBox Combo1;
  HeadlessComboBox Combo2{std::string(kNothingSelected)};
  HeadlessComboBox Combo3{std::string(kStartDiscountText)};
  HeadlessListBox List1;
  HeadlessTextBox txtExclPrice;
  HeadlessTextBox txtInclPrice;
  HeadlessTextBox txtSuppExcl;
  HeadlessTextBox txtSuppIncl;
  HeadlessFrame fmeSupport{false};
  HeadlessFrame lblTitle{true};
  HeadlessFrame fmeFrom{true};
  HeadlessFrame fmeTo{true};
  HeadlessOptionButton optAge0{std::string(kStartAgeCaptions[0]), true};
  HeadlessOptionButton optAge1{std::string(kStartAgeCaptions[1]), false};
  HeadlessOptionButton optAge2{std::string(kStartAgeCaptions[2]), false};
  RecordingMessageSink messages;
  HeadlessForm form;

 private:
  //! A field with the handlers of its events.
  struct FieldEvents {
    HeadlessComboBox& combo;
    const HeadlessFrame& frame;
    void (QuoteWindow::*change)();
    void (QuoteWindow::*step)();
    void (QuoteWindow::*enter)();
    void (QuoteWindow::*lostFocus)();
  };
  FieldEvents Events(WindowField field);

  template <typename Handler>
  void Deliver(Handler handler);
  void Raise(void (QuoteWindow::*handler)());
  void Choose(HeadlessComboBox& combo, const HeadlessFrame& frame, int position,
              void (QuoteWindow::*handler)());
  void Type(WindowField field, std::string text);

  QuoteWindow behaviour_;
};

}  // namespace corvane

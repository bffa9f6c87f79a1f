// The quote window's behaviour: load, modes, list filling and selection handling, over abstract
// controls.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "pricebook/price_book.h"
#include "quote/format_price.h"
#include "quote/quote_view.h"
#include "window/controls.h"

namespace corvane {

//! The controls the behaviour reads and writes, by their names in the window.
struct WindowControls {
  ComboBox& Combo1;  //!< From list
  ComboBox& Combo2;  //!< To list
  ComboBox& Combo3;  //!< discount list
  ListBox& List1;    //!< support-contract or other-item list
  TextBox& txtExclPrice;
  TextBox& txtInclPrice;
  TextBox& txtSuppExcl;
  TextBox& txtSuppIncl;
  Frame& fmeSupport;
  // What fmeSupport covers while it is shown; hidden with it so it takes no focus and no events.
  Frame& lblTitle;
  Frame& fmeFrom;
  Frame& fmeTo;
  std::array<OptionButton*, 3> optAge;
  MessageSink& messages;
  Form& form;
};

//! The window state shared by the handlers and the quote.
struct WindowState {
  std::int16_t FromIndex = 0;  //!< catalogue index of the chosen From package
  std::int16_t ToIndex = 0;    //!< catalogue index handed to the quote
  bool OtherMode = false;
  bool SupportMode = false;
};

//! frmTindrel's behaviour. Each public handler runs for one event; callers deliver events through
//! DeliverEvent so that an error stops the handler without ending the program.
class QuoteWindow : private QuoteView {
 public:
  QuoteWindow(const PriceBook& book, const WindowControls& controls, Separators separators);

  void Form_Load();
  void Form_Unload();
  void cmdOther_Click();
  void cmdSupport_Click();
  void cmdUpgrade_Click();
  void cmdClose_Click();

  void Combo1_Click();
  void Combo2_Click();
  void Combo3_Click();
  void List1_Click();
  void optAge_Click(std::int16_t index);

  void FillFromList();
  void FillToList(std::int16_t start);
  void FillOtherList();
  void FillSupportList();

  const WindowState& State() const { return state_; }

 private:
  // The quote reads the window through these.
  std::string FromText() const override;
  std::string ToText() const override;
  int ToListIndex() const override;
  std::string DiscountText() const override;
  bool AgeButtonSelected(int index) const override;
  PriceBox& ExclPriceBox() override;
  PriceBox& InclPriceBox() override;
  void ShowWarning(std::string_view message) override;
  const Separators& DisplaySeparators() const override;

  //! Setting the discount list's position from code raises its selection event at once.
  void SelectDiscount(int position);
  void ShowItemFrame(bool shown);
  void SetAgeLayout(const std::string& fromText);
  void ShowDiscountedNewPrice();
  void QuoteChosenPair();

  const PriceBook& book_;
  WindowControls c_;
  Separators separators_;
  WindowState state_;
};

}  // namespace corvane

// The quote window's behaviour: load, modes, list filling and selection handling, over abstract
// controls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "money/format_price.h"
#include "pricebook/price_book.h"
#include "quote/quote.h"
#include "sheet/priced_item.h"
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

//! frmTindrel's behaviour. Each handler builds a request from the controls, asks the quote for
//! its answer and shows it. Each public handler runs for one event; callers deliver events through
//! DeliverEvent so that an error stops the handler without ending the program.
class QuoteWindow {
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
  //! The dealer edited the field's text. It no longer is the chosen entry's text, so the price
  //! boxes are emptied at once: a price beside a text it was not computed for is a wrong quote.
  void Combo1_Change();
  void Combo2_Change();
  void Combo3_Change();
  //! An arrow key moved the selection of the closed list: the entry is chosen as by a click,
  //! except that a refusal only empties the boxes; its warning waits until the dealer commits to
  //! the entry, so that stepping through a list raises no message boxes.
  void Combo1_Step();
  void Combo2_Step();
  void Combo3_Step();
  //! Enter in the field. A typed From or To text chooses the entry it names (TypedChoice), as a
  //! click on it would, and one that no entry holds leaves the boxes noting why; a typed discount
  //! is applied as a chosen one. On an entry reached by stepping, Enter commits to it and shows
  //! the warning held back.
  void Combo1_Enter();
  void Combo2_Enter();
  void Combo3_Enter();
  //! The field lost the focus: leaving commits to the entry shown or typed as Enter does, and
  //! applies a discount typed since the last one was applied.
  void Combo1_LostFocus();
  void Combo2_LostFocus();
  void Combo3_LostFocus();
  void List1_Click();
  void optAge_Click(std::int16_t index);

  //! The book behind the window's reference now holds another price book: every list and price
  //! shown came from the old one, so the window starts over as just loaded, in the upgrade mode.
  void BookChanged();

  void FillFromList();
  void FillToList(std::int16_t start);
  void FillOtherList();
  void FillSupportList();

  const WindowState& State() const { return state_; }
  const Separators& NumberFormat() const { return separators_; }
  const PriceBook& Book() const { return book_; }
  //! The text the discount field shows.
  std::string DiscountText() const { return c_.Combo3.Text(); }

  //! The price the visible price boxes show and what it is for; nothing while they show none.
  const std::optional<PricedItem>& PriceShown() const {
    return state_.OtherMode || state_.SupportMode ? itemShown_ : crossGradeShown_;
  }

 private:
  //! The From package chosen, by its catalogue index: the age question, the To list and the
  //! discount are set for it and its list price is shown.
  void ChooseFrom(std::int16_t from);
  //! The To list's entry at the position was chosen while a From package is.
  void ChooseTo(int position);
  //! A cross-grade of the chosen packages at the discount the field shows; the To list's
  //! position 0, "Nothing Selected", asks for none.
  QuoteRequest CrossGradeRequest(int toPosition) const;
  //! Prices the request and shows the answer in the cross-grade price boxes: the price, the
  //! refusal's steps in their order, or nothing at all.
  void Show(const QuoteRequest& request);
  //! The item boxes at zero in the user's number format, showing no item.
  void ResetItemBoxes();
  void ClearCrossGradeBoxes();
  void NoteCrossGradeBoxes(std::string_view note, std::string_view reason = {});
  //! Runs a selection handler as a step: refusals it meets hold their warnings back.
  void Quietly(void (QuoteWindow::*handler)());
  //! Shows the warnings held back since the last step.
  void CommitStep();
  //! Chooses the entry a typed text names, or commits to the entry the field shows. `leaving`:
  //! the focus left the field, so a text several entries hold is no longer being picked from.
  void EnterIn(ComboBox& combo, void (QuoteWindow::*choose)(), bool leaving = false);
  void SayWhyNothingIsChosen(const std::vector<std::string>& entries, const std::string& typed,
                             bool leaving);
  void CommitDiscount();
  //! 2 if age button 2 is selected, else 1 if age button 1 is, else 0 (the oldest package).
  int AgeBand() const;
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
  // What each pair of price boxes shows, remembered where a price is written and forgotten
  // wherever the boxes are cleared or reset, so that a copy is always of what the dealer sees.
  std::optional<PricedItem> crossGradeShown_;
  std::optional<PricedItem> itemShown_;
  bool quiet_ = false;             //!< a step is being shown
  std::vector<std::string> held_;  //!< warnings a step held back, shown when it is committed to
  bool discountEdited_ = false;    //!< the discount text was edited since it was last applied
};

}  // namespace corvane

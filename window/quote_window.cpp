#include "window/quote_window.h"

#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "money/errors.h"
#include "pricebook/listed_entries.h"
#include "quote/messages.h"
#include "quote/package_name.h"
#include "quote/present.h"
#include "sheet/describe.h"
#include "window/find_entry.h"
#include "window/window_texts.h"

namespace corvane {
namespace {

// Window state and loop counters are signed 16-bit; a value beyond that stops the handler.
std::int16_t Narrow16(std::int64_t value) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw OverflowError("a list position or tag does not fit the window's 16-bit state");
  }
  return static_cast<std::int16_t>(value);
}

void ShowPrice(const ShownPrice& price, TextBox& excluding, TextBox& including) {
  excluding.SetText(price.excludingText);
  including.SetText(price.includingText);
}

std::vector<std::string> EntryTexts(const ComboBox& combo) {
  std::vector<std::string> texts;
  for (int position = 0; position < combo.ListCount(); ++position) {
    texts.push_back(combo.ItemText(position));
  }
  return texts;
}

// The item boxes' zero in the user's number format: "0,00" where the decimal separator is a comma.
std::string ItemPriceResetText(const Separators& separators) {
  static_assert(kItemPriceResetText.find('.') != std::string_view::npos);
  std::string text(kItemPriceResetText);
  return text.replace(text.find('.'), 1, separators.decimal);
}

void FillItemList(ListBox& list, const Table<std::string, 100>& texts) {
  list.Clear();
  ForEachListedEntry(texts, 1, [&](int, const std::string& text) { list.AddItem(text); });
}

}  // namespace

QuoteWindow::QuoteWindow(const PriceBook& book, const WindowControls& controls,
                         Separators separators)
    : book_(book), c_(controls), separators_(std::move(separators)) {}

void QuoteWindow::Form_Load() {
  FillFromList();
  for (std::string_view discount : kDiscountTexts) c_.Combo3.AddItem(discount);
}

// Nothing to release: closing the window ends the program, and nothing is saved.
void QuoteWindow::Form_Unload() {}

void QuoteWindow::BookChanged() {
  held_.clear();
  state_ = WindowState{};
  c_.Combo2.Clear();
  ClearCrossGradeBoxes();
  ResetItemBoxes();
  c_.List1.Clear();
  ShowItemFrame(false);
  FillFromList();
}

void QuoteWindow::cmdOther_Click() {
  ResetItemBoxes();
  FillOtherList();
  ShowItemFrame(true);
  state_.OtherMode = true;
  state_.SupportMode = false;
}

void QuoteWindow::cmdSupport_Click() {
  ResetItemBoxes();
  state_.OtherMode = false;
  state_.SupportMode = true;
  FillSupportList();
  ShowItemFrame(true);
}

void QuoteWindow::cmdUpgrade_Click() {
  state_.OtherMode = false;
  state_.SupportMode = false;
  ShowItemFrame(false);
}

void QuoteWindow::cmdClose_Click() {
  c_.form.Unload();
}

void QuoteWindow::Combo1_Click() {
  held_.clear();
  const int chosen = c_.Combo1.ListIndex();
  if (chosen < 0) return;
  ChooseFrom(Narrow16(c_.Combo1.ItemData(chosen)));
}

void QuoteWindow::Combo2_Click() {
  held_.clear();
  const int chosen = c_.Combo2.ListIndex();
  if (chosen < 0) return;
  // A typed From text is no package: nothing is priced until one is chosen from the list.
  if (c_.Combo1.ListIndex() < 0) return ClearCrossGradeBoxes();
  ChooseTo(chosen);
}

void QuoteWindow::Combo3_Click() {
  held_.clear();
  discountEdited_ = false;
  const int from = c_.Combo1.ListIndex();
  const int to = c_.Combo2.ListIndex();
  if (to > 0 && from >= 0) return QuoteChosenPair();
  if (from >= 0) return ShowDiscountedNewPrice();
  ClearCrossGradeBoxes();
}

void QuoteWindow::Combo1_Change() {
  held_.clear();
  ClearCrossGradeBoxes();
}

void QuoteWindow::Combo2_Change() {
  held_.clear();
  ClearCrossGradeBoxes();
}

void QuoteWindow::Combo3_Change() {
  held_.clear();
  discountEdited_ = true;
  ClearCrossGradeBoxes();
}

void QuoteWindow::Combo1_Step() {
  Quietly(&QuoteWindow::Combo1_Click);
}
void QuoteWindow::Combo2_Step() {
  Quietly(&QuoteWindow::Combo2_Click);
}
void QuoteWindow::Combo3_Step() {
  Quietly(&QuoteWindow::Combo3_Click);
}

void QuoteWindow::Combo1_Enter() {
  EnterIn(c_.Combo1, &QuoteWindow::Combo1_Click);
}
void QuoteWindow::Combo2_Enter() {
  EnterIn(c_.Combo2, &QuoteWindow::Combo2_Click);
}
void QuoteWindow::Combo3_Enter() {
  CommitDiscount();
}

void QuoteWindow::Combo1_LostFocus() {
  EnterIn(c_.Combo1, &QuoteWindow::Combo1_Click, true);
}
void QuoteWindow::Combo2_LostFocus() {
  EnterIn(c_.Combo2, &QuoteWindow::Combo2_Click, true);
}
void QuoteWindow::Combo3_LostFocus() {
  CommitDiscount();
}

void QuoteWindow::List1_Click() {
  QuoteRequest item;
  item.kind = state_.SupportMode ? QuoteKind::Support : QuoteKind::Other;
  item.item = Narrow16(std::int64_t{c_.List1.ListIndex()} + 1);
  const Presentation shown = Present(Price(book_, item), separators_, book_.vendorPhone);
  ShowPrice(shown.price, c_.txtSuppExcl, c_.txtSuppIncl);
  itemShown_ = PricedItem{Describe(book_, item, separators_), shown.price, item};
}

void QuoteWindow::optAge_Click(std::int16_t /*index*/) {
  if (c_.Combo1.ListIndex() >= 0 && c_.Combo2.ListIndex() >= 0) QuoteChosenPair();
}

void QuoteWindow::FillFromList() {
  c_.Combo1.Clear();
  ForEachListedEntry(book_.PackageName, 1, [&](int index, const std::string& name) {
    c_.Combo1.AddItem(name);
    c_.Combo1.SetItemData(c_.Combo1.ListCount() - 1, index);
  });
}

void QuoteWindow::FillToList(std::int16_t start) {
  c_.Combo2.Clear();
  c_.Combo2.AddItem(kNothingSelected);
  int firstListed = -1;
  ForEachListedEntry(book_.PackageName, start, [&](int index, const std::string& name) {
    c_.Combo2.AddItem(name);
    c_.Combo2.SetItemData(c_.Combo2.ListCount() - 1, index + 1);
    if (firstListed < 0) firstListed = index;
  });
  if (firstListed >= 0) c_.Combo2.SetItemData(0, firstListed);
}

void QuoteWindow::FillOtherList() {
  FillItemList(c_.List1, book_.OtherItem);
}

void QuoteWindow::FillSupportList() {
  FillItemList(c_.List1, book_.SupportItem);
}

// The From list's entries carry their catalogue index as their tag.
void QuoteWindow::ChooseFrom(std::int16_t from) {
  SetAgeLayout(book_.PackageName[from]);
  state_.FromIndex = from;
  FillToList(Narrow16(std::int64_t{from} + 1));
  // The discount goes back to "0%" only now that the To list is refilled and has no selection,
  // so the nested discount event never quotes the new From package against an old To package.
  SelectDiscount(0);
  QuoteRequest listPrice;
  listPrice.kind = QuoteKind::NewPackage;
  listPrice.from = from;
  Show(listPrice);
}

// The To list's first entry is "Nothing Selected"; the others carry their catalogue index plus
// one as their tag.
void QuoteWindow::ChooseTo(int position) {
  if (position == 0) return ShowDiscountedNewPrice();
  state_.ToIndex = Narrow16(std::int64_t{c_.Combo2.ItemData(position)} - 1);
  Show(CrossGradeRequest(position));
}

QuoteRequest QuoteWindow::CrossGradeRequest(int toPosition) const {
  QuoteRequest request;
  request.kind = QuoteKind::CrossGrade;
  request.from = state_.FromIndex;
  if (toPosition > 0) request.to = state_.ToIndex;
  request.discount = ReadDiscount(c_.Combo3.Text());
  request.ageBand = AgeBand();
  return request;
}

// The age question stays hidden and disabled, so every quote is for band 0, the oldest package.
// The bands stay for a price book whose listed prices or trade-in credits differ by age.
int QuoteWindow::AgeBand() const {
  if (c_.optAge[2]->Value()) return 2;
  if (c_.optAge[1]->Value()) return 1;
  return 0;
}

void QuoteWindow::Show(const QuoteRequest& request) {
  const Presentation shown = Present(Price(book_, request), separators_, book_.vendorPhone);
  switch (shown.outcome) {
    case Quote::Outcome::Priced:
      NoteCrossGradeBoxes("");
      ShowPrice(shown.price, c_.txtExclPrice, c_.txtInclPrice);
      crossGradeShown_ = PricedItem{Describe(book_, request, separators_), shown.price, request};
      return;
    case Quote::Outcome::Refused:
      for (const RefusalStep& step : shown.steps) {
        if (step.action == RefusalStep::Action::ClearBoxes) {
          ClearCrossGradeBoxes();
        } else if (quiet_) {
          held_.push_back(step.message);
        } else {
          c_.messages.ShowWarning(step.message);
        }
      }
      // The empty boxes say why they are empty, also once a warning has gone or while it waits.
      return NoteCrossGradeBoxes(kNoPriceNote);
    case Quote::Outcome::Unchanged:
      return;
  }
}

void QuoteWindow::ResetItemBoxes() {
  const std::string zero = ItemPriceResetText(separators_);
  c_.txtSuppExcl.SetText(zero);
  c_.txtSuppIncl.SetText(zero);
  itemShown_.reset();
}

void QuoteWindow::ClearCrossGradeBoxes() {
  c_.txtExclPrice.SetText("");
  c_.txtInclPrice.SetText("");
  crossGradeShown_.reset();
  NoteCrossGradeBoxes("");
}

void QuoteWindow::NoteCrossGradeBoxes(std::string_view note, std::string_view reason) {
  c_.txtExclPrice.SetNote(note);
  c_.txtInclPrice.SetNote(note);
  c_.txtExclPrice.SetReason(reason);
  c_.txtInclPrice.SetReason(reason);
}

void QuoteWindow::Quietly(void (QuoteWindow::*handler)()) {
  // The flag goes back even when the handler is stopped by an error.
  struct Loud {
    bool& quiet;
    ~Loud() { quiet = false; }
  } loud{quiet_};
  quiet_ = true;
  (this->*handler)();
}

void QuoteWindow::CommitStep() {
  const std::vector<std::string> warnings = std::exchange(held_, {});
  for (const std::string& warning : warnings) c_.messages.ShowWarning(warning);
}

// Enter on the chosen entry's own text commits to it and chooses nothing anew: choosing a From
// package again would refill the To list and drop the To package chosen since.
void QuoteWindow::EnterIn(ComboBox& combo, void (QuoteWindow::*choose)(), bool leaving) {
  if (combo.ListIndex() >= 0) return CommitStep();
  const std::vector<std::string> entries = EntryTexts(combo);
  const std::optional<int> chosen = TypedChoice(entries, combo.Text());
  if (!chosen) return SayWhyNothingIsChosen(entries, combo.Text(), leaving);
  combo.SetListIndex(*chosen);
  (this->*choose)();
}

// A text that several entries hold leaves the dealer to pick one from the finder, but once the
// field is left nothing is being picked, and the empty boxes say why, as for a text that none
// holds, a typing error.
void QuoteWindow::SayWhyNothingIsChosen(const std::vector<std::string>& entries,
                                        const std::string& typed, bool leaving) {
  if (FoldForFinding(typed).empty()) return;
  const std::vector<int> offered = OfferedEntries(entries, typed);
  if (!offered.empty() && !leaving) return;
  ClearCrossGradeBoxes();
  NoteCrossGradeBoxes(
      kNoPriceNote, offered.empty() ? NoMatchText(typed) : SeveralMatchText(typed, offered.size()));
}

void QuoteWindow::CommitDiscount() {
  if (discountEdited_) return Combo3_Click();
  CommitStep();
}

void QuoteWindow::SelectDiscount(int position) {
  c_.Combo3.SetListIndex(position);
  Combo3_Click();
}

void QuoteWindow::ShowItemFrame(bool shown) {
  c_.fmeSupport.SetVisible(shown);
  c_.lblTitle.SetVisible(!shown);
  c_.fmeFrom.SetVisible(!shown);
  c_.fmeTo.SetVisible(!shown);
}

// Packages of the DOS and Windows lines ask two age questions, the Garrowin line and the add-ons
// three. Only the captions and the third button's visibility change; the selection stays.
void QuoteWindow::SetAgeLayout(const std::string& fromText) {
  const bool twoBands = (Contains(fromText, "Windows") || Contains(fromText, "DOS")) &&
                        !Contains(fromText, "Garrowin");
  if (twoBands) {
    c_.optAge[0]->SetCaption("Over 1 year");
    c_.optAge[1]->SetCaption("Less than 1 year");
    c_.optAge[2]->SetVisible(false);
  } else {
    c_.optAge[0]->SetCaption("Over 2 years");
    c_.optAge[1]->SetCaption("Between 1 and 2 years");
    c_.optAge[2]->SetCaption("Less than 1 year");
    c_.optAge[2]->SetVisible(true);
  }
}

void QuoteWindow::ShowDiscountedNewPrice() {
  QuoteRequest request;
  request.kind = QuoteKind::NewPackage;
  request.from = state_.FromIndex;
  request.discount = ReadDiscount(c_.Combo3.Text());
  Show(request);
}

void QuoteWindow::QuoteChosenPair() {
  const int toPosition = c_.Combo2.ListIndex();
  state_.FromIndex = Narrow16(c_.Combo1.ItemData(c_.Combo1.ListIndex()));
  state_.ToIndex = Narrow16(std::int64_t{c_.Combo2.ItemData(toPosition)} - 1);
  Show(CrossGradeRequest(toPosition));
}

}  // namespace corvane

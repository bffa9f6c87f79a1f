// A dealer's session as a sequence of user actions on the window's behaviour over the real price
// book. After every action: no error escaped the event boundary, every price box shows nothing,
// the item-frame reset text or an amount in the display picture, no price is negative, and the To
// list holds exactly the packages after the chosen From package.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/display_picture.h"
#include "pricebook/price_book.h"
#include "window/headless/headless_window.h"
#include "window/window_texts.h"

namespace {

using corvane::HeadlessWindow;
using corvane::WindowButton;
using corvane::WindowField;

[[noreturn]] void Fail(const char* what, std::string_view detail = {}) {
  std::fprintf(stderr, "check failed: %s [%.*s]\n", what, static_cast<int>(detail.size()),
               detail.data());
  std::abort();
}

const corvane::PriceBook& Book() {
  static const corvane::PriceBook book = corvane::FillPriceBook();
  return book;
}

// Texts worth typing: package names, list entries, discounts in and out of range, odd numbers.
const std::vector<std::string>& Phrases() {
  static const std::vector<std::string> phrases = [] {
    std::vector<std::string> list;
    const corvane::PriceBook& book = Book();
    for (int index = 0; index <= book.PackageName.UpperBound(); ++index) {
      if (!book.PackageName[index].empty()) list.push_back(book.PackageName[index]);
    }
    for (std::string_view discount : corvane::kDiscountTexts) list.emplace_back(discount);
    list.emplace_back(corvane::kNothingSelected);
    for (const char* text : {"", "100%", "101%", "-5%", "99.995%", "1e3%", "1e400", "-0", "0.0001%",
                             "12.5%", " 1 5 %", "nan", "inf", "9223372036854775807"}) {
      list.emplace_back(text);
    }
    return list;
  }();
  return phrases;
}

// Reads the input a byte at a time; past its end every byte is 0.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool AtEnd() const { return at_ >= size_; }
  std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
  //! A list position, mostly within the lists' lengths, sometimes just outside them.
  int Position() { return static_cast<int>(Next() % 40) - 2; }
  std::string Text() {
    const std::size_t length = Next() % 8;
    std::string text;
    for (std::size_t i = 0; i < length && !AtEnd(); ++i) text += static_cast<char>(Next());
    return text;
  }
  const std::string& Phrase() { return Phrases()[Next() % Phrases().size()]; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void CheckPriceBox(const corvane::HeadlessTextBox& box, bool itemFrame, const char* name) {
  const std::string& text = box.Text();
  if (text.empty()) return;
  if (itemFrame && text == corvane::kItemPriceResetText) return;
  if (!corvane::fuzz::InDisplayPicture(text)) Fail(name, text);
  if (text.find('-') != std::string::npos) Fail("a negative price is shown", text);
}

void CheckWindow(const HeadlessWindow& window, bool fromChosen, bool typed) {
  CheckPriceBox(window.txtExclPrice, false, "txtExclPrice left the display picture");
  CheckPriceBox(window.txtInclPrice, false, "txtInclPrice left the display picture");
  CheckPriceBox(window.txtSuppExcl, true, "txtSuppExcl left the display picture");
  CheckPriceBox(window.txtSuppIncl, true, "txtSuppIncl left the display picture");

  // With the price book as built, only a typed text can make a handler stop with an error.
  if (!typed && !window.messages.Errors().empty()) {
    Fail("an error stopped a handler", window.messages.Errors().front());
  }

  const corvane::PriceBook& book = Book();
  std::vector<std::string> expected;
  if (fromChosen) {
    expected.emplace_back(corvane::kNothingSelected);
    for (int index = window.State().FromIndex + 1; index <= book.PackageName.UpperBound();
         ++index) {
      if (!book.PackageName[index].empty()) expected.push_back(book.PackageName[index]);
    }
    const int from = window.Combo1.ListIndex();
    if (from >= 0 && window.Combo1.ItemText(from) != book.PackageName[window.State().FromIndex]) {
      Fail("FromIndex is not the chosen From package", window.Combo1.ItemText(from));
    }
  }
  if (window.Combo2.ListCount() != static_cast<int>(expected.size())) {
    Fail("the To list has the wrong number of entries");
  }
  for (int position = 0; position < window.Combo2.ListCount(); ++position) {
    if (window.Combo2.ItemText(position) != expected[static_cast<std::size_t>(position)]) {
      Fail("the To list holds the wrong package", window.Combo2.ItemText(position));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  HeadlessWindow window(Book());
  Bytes bytes(data, size);
  bool fromChosen = false;  // a From package has been chosen from the list at least once
  bool typed = false;       // some text has been typed into a field
  CheckWindow(window, fromChosen, typed);

  while (!bytes.AtEnd()) {
    bool edited = false;  // the action typed into a field, which empties the cross-grade boxes
    switch (bytes.Next() % 14) {
      case 0: {
        const int position = bytes.Position();
        const bool takes = window.fmeFrom.Visible() && position >= 0 &&
                           position < window.Combo1.ListCount() && !window.form.Unloaded();
        window.ChooseFrom(position);
        fromChosen = fromChosen || takes;
        break;
      }
      case 1:
        window.ChooseTo(bytes.Position());
        break;
      case 2:
        window.ChooseDiscount(bytes.Position());
        break;
      case 3:
        window.TypeFrom(bytes.Text());
        typed = edited = true;
        break;
      case 4:
        window.TypeTo(bytes.Text());
        typed = edited = true;
        break;
      case 5:
        window.TypeDiscount(bytes.Text());
        typed = edited = true;
        break;
      case 6: {
        const std::string& phrase = bytes.Phrase();
        switch (bytes.Next() % 3) {
          case 0:
            window.TypeFrom(phrase);
            break;
          case 1:
            window.TypeTo(phrase);
            break;
          default:
            window.TypeDiscount(phrase);
            break;
        }
        typed = edited = true;
        break;
      }
      case 7:
        window.Press(WindowButton::Other);
        break;
      case 8:
        window.Press(WindowButton::Support);
        break;
      case 9:
        window.Press(WindowButton::Upgrade);
        break;
      case 10: {
        const std::uint8_t choice = bytes.Next();
        if (choice % 8 == 0) {
          window.Press(WindowButton::Close);
          if (!window.form.Unloaded()) Fail("Close did not close the window");
          CheckWindow(window, fromChosen, typed);
          return 0;
        }
        window.ChooseItem(static_cast<int>(choice) - 2);
        break;
      }
      // Steps, Enter and leaving a field can choose a From package too: FromIndex then names it.
      case 11:
        window.Step(static_cast<WindowField>(bytes.Next() % 3), bytes.Position());
        fromChosen = fromChosen || window.State().FromIndex != 0;
        break;
      case 12:
        window.PressEnter(static_cast<WindowField>(bytes.Next() % 3));
        fromChosen = fromChosen || window.State().FromIndex != 0;
        break;
      case 13:
        window.Leave(static_cast<WindowField>(bytes.Next() % 3));
        fromChosen = fromChosen || window.State().FromIndex != 0;
        break;
    }
    const bool shown = !window.txtExclPrice.Text().empty() || !window.txtInclPrice.Text().empty();
    if (edited && shown && window.fmeTo.Visible() && !window.form.Unloaded())
      Fail("a price stayed beside an edited field");
    CheckWindow(window, fromChosen, typed);
  }
  return 0;
}

// What the quote engine reads from and writes to the window, and nothing more.
#pragma once

#include <string>
#include <string_view>

#include "quote/format_price.h"
#include "quote/price_box.h"

namespace corvane {

class QuoteView {
 public:
  virtual ~QuoteView() = default;

  //! The text the From field shows.
  virtual std::string FromText() const = 0;
  //! The text the To field shows.
  virtual std::string ToText() const = 0;
  //! The To list's selected position: -1 for none, 0 for "Nothing Selected", then packages.
  virtual int ToListIndex() const = 0;
  //! The text the discount field shows.
  virtual std::string DiscountText() const = 0;
  //! Whether the age button with this index (1 or 2) is selected.
  virtual bool AgeButtonSelected(int index) const = 0;

  virtual PriceBox& ExclPriceBox() = 0;
  virtual PriceBox& InclPriceBox() = 0;
  //! A modal warning; returns once the user has closed it.
  virtual void ShowWarning(std::string_view message) = 0;
  virtual const Separators& DisplaySeparators() const = 0;
};

//! Sets both cross-grade price boxes to the empty text, excluding box first.
inline void ClearPriceBoxes(QuoteView& view) {
  view.ExclPriceBox().SetText("");
  view.InclPriceBox().SetText("");
}

}  // namespace corvane

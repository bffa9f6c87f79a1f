// A text box that shows a price; the quote engine writes into it and never reads it back.
#pragma once

#include <string_view>

namespace corvane {

class PriceBox {
 public:
  virtual ~PriceBox() = default;
  virtual void SetText(std::string_view text) = 0;
};

}  // namespace corvane

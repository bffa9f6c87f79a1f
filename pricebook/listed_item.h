// One entry of the support-contract or other-item list as the constant data gives it.
#pragma once

#include <string_view>

#include "money/money.h"

namespace corvane {

struct ListedItem {
  std::string_view text;
  Money price;  // excluding VAT
};

//! The list index of the first entry of an item list; the others follow without a gap.
inline constexpr int kFirstItemIndex = 1;

}  // namespace corvane

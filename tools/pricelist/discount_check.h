// What the tool makes of a discount text before pricing with it.
#pragma once

#include <string_view>

namespace corvane {

enum class DiscountCheck {
  Valid,
  NotUtf8,           //!< refused: it could not be shown or printed faithfully
  ControlCharacter,  //!< refused: it would break a line of the list or a CSV cell
  LineSeparator,     //!< refused: it would end a line of the list as a line feed does
  FormatCharacter,   //!< refused: invisible, it would reorder or hide what the list shows
  NamesNoNumber,     //!< priced as the window prices it, at 0 %
  OutOfRange,        //!< new packages and cross-grades are refused, as in the window
};

DiscountCheck CheckDiscount(std::string_view text);

}  // namespace corvane

// The signed 16-bit row counter through which the start-up fill writes the cross-grade tables.
#pragma once

#include <cstdint>
#include <limits>

#include "money/errors.h"

namespace corvane {

//! The row after `row`; throws OverflowError rather than pass 32767.
inline std::int16_t NextRow(std::int16_t row) {
  if (row == std::numeric_limits<std::int16_t>::max()) {
    throw OverflowError("the row counter would pass 32767");
  }
  return static_cast<std::int16_t>(row + 1);
}

}  // namespace corvane

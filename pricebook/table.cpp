// The one out-of-line part of the tables: the error a read or store outside the bounds raises.
#include "pricebook/table.h"

#include <string>

namespace corvane::detail {

void ThrowOutsideBounds(int index, int upperBound) {
  throw RangeError("index " + std::to_string(index) + " is outside the table's bounds 0.." +
                   std::to_string(upperBound));
}

}  // namespace corvane::detail

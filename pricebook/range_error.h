// The error a read or store outside a table's bounds raises.
#pragma once

#include <stdexcept>

namespace corvane {

class RangeError : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

}  // namespace corvane

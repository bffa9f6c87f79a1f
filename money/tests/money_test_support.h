// Short ways to write amounts in tests, shared by the money, quote and window tests.
#pragma once

#include <cstdint>
#include <limits>
#include <string_view>

#include "money/money.h"

namespace corvane::testing {

inline constexpr std::int64_t kMaxRaw = std::numeric_limits<std::int64_t>::max();
inline constexpr std::int64_t kMinRaw = std::numeric_limits<std::int64_t>::min();
inline constexpr auto Raw = [](std::int64_t raw) { return Money::fromTenThousandths(raw); };
inline constexpr auto Units = [](std::int32_t units) { return Money::fromInt32(units); };
consteval Money Dec(std::string_view text) {
  return Money::fromDecimal(text);
}

}  // namespace corvane::testing

// How a package name is taken apart: family prefix, terminal count and marker words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace corvane {

//! Case-sensitive substring test for a marker word.
inline bool Contains(std::string_view text, std::string_view word) {
  return text.find(word) != std::string_view::npos;
}

//! 1-based position of the last space, 0 when the text has none.
std::size_t LastSpacePosition(std::string_view name);

//! The text before the last space; empty when the name has no space.
std::string_view PackageFamily(std::string_view name);

//! The number at the start of the text after the last space (of the whole text when there is no
//! space), rounded half to even; 0 when there is none. Throws OverflowError beyond 16 bits.
std::int16_t TerminalCount(std::string_view name);

//! A move to fewer terminals, or from several terminals to a package without a count.
inline bool ReducesTerminals(std::int16_t from, std::int16_t to) {
  return to < from || (to == 0 && from > 1);
}

}  // namespace corvane

// The number at the start of a text, read the same way whatever the user's locale.
#pragma once

#include <string_view>

namespace corvane {

//! Blanks, tabs and line feeds are skipped wherever they stand; then an optional sign, digits with
//! at most one ".", and an optional exponent (E or e, an optional sign, digits). The first
//! character that cannot continue the number ends it. No leading number gives 0. Never fails:
//! a number beyond double's range gives an infinity.
double LeadingNumber(std::string_view text);

}  // namespace corvane

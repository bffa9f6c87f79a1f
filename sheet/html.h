// Text placed into HTML: the dealer's own words may hold any character.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

//! The text with &, <, >, " and ' written as character references.
std::string EscapeHtml(std::string_view text);

}  // namespace corvane

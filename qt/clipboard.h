// The one way the programs put something on the clipboard.
#pragma once

#include <string_view>

namespace corvane {

//! Puts the text on the clipboard as plain text and as HTML, for programs that take formatted
//! text; both are UTF-8.
void CopyToClipboard(std::string_view text, std::string_view html);

//! Takes whatever is on the clipboard off it, so that nothing earlier is pasted in its place.
void EmptyClipboard();

}  // namespace corvane

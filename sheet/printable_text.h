// What a customer, dealer or reference field typed by someone may hold, made fit to print: a
// quotation shows every value as it was typed, but never lets one reorder the text around it,
// break its line or fill its pages.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

//! Characters a one-line value keeps on a document; the rest gives way to an ellipsis.
inline constexpr std::size_t kFieldLimit = 200;
//! Characters a line's description keeps.
inline constexpr std::size_t kDescriptionLimit = 300;

//! The value on one line: control characters written as escapes ("\x1b"; a tab as a blank),
//! bytes that are not UTF-8 as U+FFFD, cut after `limit` characters with "…", and isolated
//! between U+2068 and U+2069 (first strong isolate, pop directional isolate) when it holds a
//! directional formatting character or right-to-left letters, so that it cannot reorder the
//! words around it.
std::string PrintableField(std::string_view text, std::size_t limit = kFieldLimit);

//! The lines of a multi-line value, each printable as above, blank ones left out; at most
//! `maxLines` of them, the last ending in "…" when lines were left out.
std::vector<std::string> PrintableLines(std::string_view text, std::size_t limit,
                                        std::size_t maxLines);

}  // namespace corvane

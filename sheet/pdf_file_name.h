// The name a quotation's PDF is proposed under: its number and the customer, as a file name that
// every file system the dealer may save to can hold.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "quotation/quotation.h"

namespace corvane {

//! Bytes a proposed name keeps before ".pdf", well below the 255 that file systems allow.
inline constexpr std::size_t kFileNameLimit = 120;

//! The text as one file name: / \ : * ? " < > |, control characters, invisible format characters
//! (a right-to-left override would disguise the extension) and bytes that are not UTF-8 each
//! become "_"; runs of blanks become one; leading dots (a hidden file) and leading or trailing
//! blanks and trailing dots (which Windows drops) go; the result is cut at a character's end
//! within `limit` bytes. Empty when nothing is left.
std::string SafeFileName(std::string_view text, std::size_t limit = kFileNameLimit);

//! "Q-2026-0007 rev. 2 Bell & Sons.pdf": the number with its revision and the customer's
//! company, either left out when there is none, "Quotation.pdf" when both are.
std::string ProposedPdfName(const Quotation& quotation);

}  // namespace corvane

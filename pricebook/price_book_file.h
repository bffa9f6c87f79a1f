// Price books as files: the book as one UTF-8 JSON document, written out and read back in, every
// fact of it checked before any of it is used.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "pricebook/price_book.h"

namespace corvane {

//! A price-book file that cannot be used, in one line: the file, the place in it (line and column,
//! or the key path) and what is wrong.
class PriceBookError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

//! Larger files are refused before they are read: no price book comes near it.
inline constexpr std::uintmax_t kMaxPriceBookBytes = 4 * 1024 * 1024;

//! The book as the document ReadPriceBook reads; the built-in book's gives, read back, the same
//! tables and facts.
std::string PriceBookJson(const PriceBook& book);

//! The book that `text` holds; `file` names it in the message of the PriceBookError thrown when
//! the text is not a complete, sound price book.
PriceBook ParsePriceBook(std::string_view text, std::string_view file);

//! The book in the file at `path` (in the file system's encoding). Throws PriceBookError for a
//! file that is missing, unreadable, not a regular file, empty, larger than kMaxPriceBookBytes,
//! or not a sound price book.
PriceBook ReadPriceBook(const std::string& path);

}  // namespace corvane

#include "tools/pricelist/discount_check.h"

#include <cstdint>

#include "quote/discount.h"

namespace corvane {
namespace {

// The length of the UTF-8 sequence at the start of `text`, or 0 when it is not a well-formed one
// (a stray continuation byte, an overlong form, a surrogate, or beyond U+10FFFF).
std::size_t SequenceLength(std::string_view text, char32_t& code) {
  const auto byte = [&text](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  std::size_t length = 0;
  char32_t least = 0;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1Fu, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0Fu, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07u, least = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i) & 0x3Fu);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

bool IsControl(char32_t code) {
  return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

// Whether the discount reader finds a number: blanks are skipped wherever they stand, then a sign
// may come, then a digit, or a decimal separator and a digit.
bool NamesNumber(std::string_view text) {
  std::string digitsAndSigns;
  for (char c : text) {
    if (c != ' ') digitsAndSigns += c;
  }
  std::string_view rest = digitsAndSigns;
  if (rest.starts_with('+') || rest.starts_with('-')) rest.remove_prefix(1);
  if (rest.starts_with('.') || rest.starts_with(',')) rest.remove_prefix(1);
  return !rest.empty() && rest.front() >= '0' && rest.front() <= '9';
}

}  // namespace

DiscountCheck CheckDiscount(std::string_view text) {
  for (std::string_view rest = text; !rest.empty();) {
    char32_t code = 0;
    const std::size_t length = SequenceLength(rest, code);
    if (length == 0) return DiscountCheck::NotUtf8;
    if (IsControl(code)) return DiscountCheck::ControlCharacter;
    rest.remove_prefix(length);
  }
  if (!NamesNumber(text)) return DiscountCheck::NamesNoNumber;
  if (ReadDiscount(text).OutOfRange()) return DiscountCheck::OutOfRange;
  return DiscountCheck::Valid;
}

}  // namespace corvane

#include "money/escaped_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

namespace corvane {
namespace {

struct CodeRange {
  char32_t first;
  char32_t last;
};

// Category Cf as of Unicode 15.
constexpr std::array kFormatCharacters{
    CodeRange{0x00AD, 0x00AD},   CodeRange{0x0600, 0x0605},   CodeRange{0x061C, 0x061C},
    CodeRange{0x06DD, 0x06DD},   CodeRange{0x070F, 0x070F},   CodeRange{0x0890, 0x0891},
    CodeRange{0x08E2, 0x08E2},   CodeRange{0x180E, 0x180E},   CodeRange{0x200B, 0x200F},
    CodeRange{0x202A, 0x202E},   CodeRange{0x2060, 0x2064},   CodeRange{0x2066, 0x206F},
    CodeRange{0xFEFF, 0xFEFF},   CodeRange{0xFFF9, 0xFFFB},   CodeRange{0x110BD, 0x110BD},
    CodeRange{0x110CD, 0x110CD}, CodeRange{0x13430, 0x1343F}, CodeRange{0x1BCA0, 0x1BCA3},
    CodeRange{0x1D173, 0x1D17A}, CodeRange{0xE0001, 0xE0001}, CodeRange{0xE0020, 0xE007F},
};
static_assert(std::ranges::all_of(kFormatCharacters,
                                  [](CodeRange range) { return range.first <= range.last; }),
              "each range runs upwards");
static_assert(std::ranges::is_sorted(kFormatCharacters, {}, &CodeRange::first) &&
                  std::ranges::adjacent_find(kFormatCharacters,
                                             [](CodeRange a, CodeRange b) {
                                               return a.last >= b.first;
                                             }) == kFormatCharacters.end(),
              "the ranges are in order and apart, as the search needs");

// Line and paragraph separators end a line as a line feed does.
bool IsLineSeparator(char32_t code) {
  return code == 0x2028 || code == 0x2029;
}

std::string Hex(const char* format, unsigned value) {
  std::array<char, 16> text{};
  const int length = std::snprintf(text.data(), text.size(), format, value);
  return std::string(text.data(), static_cast<std::size_t>(length));
}

std::string Escape(char32_t code) {
  switch (code) {
    case U'\n':
      return "\\n";
    case U'\r':
      return "\\r";
    case U'\t':
      return "\\t";
    default:
      return code < 0x80 ? Hex("\\x%02x", static_cast<unsigned>(code))
                         : Hex("\\u%04x", static_cast<unsigned>(code));
  }
}

}  // namespace

std::size_t Utf8Sequence(std::string_view text, char32_t& code) {
  if (text.empty()) return 0;
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

bool IsControlCharacter(char32_t code) {
  return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

bool IsFormatCharacter(char32_t code) {
  const auto* range = std::ranges::lower_bound(kFormatCharacters, code, {}, &CodeRange::last);
  return range != kFormatCharacters.end() && range->first <= code;
}

TextFault FindTextFault(std::string_view text) {
  while (!text.empty()) {
    char32_t code = 0;
    const std::size_t length = Utf8Sequence(text, code);
    if (length == 0) return TextFault::NotUtf8;
    if (IsControlCharacter(code)) return TextFault::ControlCharacter;
    if (IsLineSeparator(code)) return TextFault::LineSeparator;
    if (IsFormatCharacter(code)) return TextFault::FormatCharacter;
    text.remove_prefix(length);
  }
  return TextFault::None;
}

std::string_view DescribeTextFault(TextFault fault) {
  switch (fault) {
    case TextFault::None:
      break;
    case TextFault::NotUtf8:
      return "is not valid UTF-8";
    case TextFault::ControlCharacter:
      return "holds a control character";
    case TextFault::LineSeparator:
      return "holds a line or paragraph separator";
    case TextFault::FormatCharacter:
      return "holds an invisible format character";
  }
  return "obeys the rule for texts";
}

std::string Escaped(std::string_view text) {
  std::string shown;
  shown.reserve(text.size());
  while (!text.empty()) {
    char32_t code = 0;
    const std::size_t length = Utf8Sequence(text, code);
    if (length == 0) {
      shown += Hex("\\x%02x", static_cast<std::uint8_t>(text.front()));
      text.remove_prefix(1);
      continue;
    }
    if (IsControlCharacter(code) || IsFormatCharacter(code) || IsLineSeparator(code)) {
      shown += Escape(code);
    } else {
      shown += text.substr(0, length);
    }
    text.remove_prefix(length);
  }
  return shown;
}

}  // namespace corvane

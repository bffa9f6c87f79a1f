#include "sheet/printable_text.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "money/escaped_text.h"

namespace corvane {
namespace {

constexpr std::string_view kEllipsis = "\u2026";
constexpr std::string_view kFirstStrongIsolate = "\u2068";
constexpr std::string_view kPopDirectionalIsolate = "\u2069";
constexpr std::string_view kReplacement = "\uFFFD";

struct CodeRange {
  char32_t first;
  char32_t last;
};

// The directional formatting characters and marks, and the blocks of right-to-left scripts:
// either can move the text beside a value when both are laid out as one paragraph.
constexpr std::array kDirectional{
    CodeRange{0x0590, 0x08FF},   CodeRange{0x200E, 0x200F},   CodeRange{0x202A, 0x202E},
    CodeRange{0x2066, 0x2069},   CodeRange{0xFB1D, 0xFDFF},   CodeRange{0xFE70, 0xFEFF},
    CodeRange{0x10800, 0x10FFF}, CodeRange{0x1E800, 0x1EFFF},
};
static_assert(std::ranges::is_sorted(kDirectional, {}, &CodeRange::first));

bool IsDirectional(char32_t code) {
  return std::ranges::any_of(
      kDirectional, [code](CodeRange range) { return code >= range.first && code <= range.last; });
}

std::string ControlEscape(char32_t code) {
  std::array<char, 8> text{};
  const int length = std::snprintf(text.data(), text.size(), code < 0x100 ? "\\x%02x" : "\\u%04x",
                                   static_cast<unsigned>(code));
  return std::string(text.data(), static_cast<std::size_t>(length));
}

// Lines of a value, split at line feeds, carriage returns and Unicode's line and paragraph
// separators.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    char32_t code = 0;
    const std::size_t length = std::max<std::size_t>(Utf8Sequence(text.substr(at), code), 1);
    const bool isBreak = code == U'\n' || code == U'\r' || code == 0x2028 || code == 0x2029;
    if (isBreak) {
      lines.push_back(text.substr(start, at - start));
      start = at + length;
    }
    at += length;
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

std::string PrintableField(std::string_view text, std::size_t limit) {
  std::string out;
  out.reserve(std::min(text.size(), limit * 4) + 8);
  std::size_t characters = 0;
  bool directional = false;
  bool cut = false;
  while (!text.empty()) {
    if (characters >= limit) {
      cut = true;
      break;
    }
    char32_t code = 0;
    const std::size_t length = Utf8Sequence(text, code);
    if (length == 0) {
      out += kReplacement;
      text.remove_prefix(1);
    } else {
      if (code == U'\t') {
        out += ' ';
      } else if (IsControlCharacter(code) || code == 0x2028 || code == 0x2029) {
        out += ControlEscape(code);
      } else {
        directional = directional || IsDirectional(code);
        out += text.substr(0, length);
      }
      text.remove_prefix(length);
    }
    ++characters;
  }
  if (cut) out += kEllipsis;
  if (!directional) return out;
  return std::string(kFirstStrongIsolate) + out + std::string(kPopDirectionalIsolate);
}

std::vector<std::string> PrintableLines(std::string_view text, std::size_t limit,
                                        std::size_t maxLines) {
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(text)) {
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    if (lines.size() == maxLines) {
      if (!lines.empty()) lines.back() += kEllipsis;
      break;
    }
    lines.push_back(PrintableField(line, limit));
  }
  return lines;
}

}  // namespace corvane

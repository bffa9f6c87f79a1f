#include "sheet/pdf_file_name.h"

#include <algorithm>

#include "money/escaped_text.h"
#include "quotation/quote_status.h"

namespace corvane {
namespace {

constexpr std::string_view kForbidden = "/\\:*?\"<>|";

}  // namespace

std::string SafeFileName(std::string_view text, std::size_t limit) {
  std::string name;
  while (!text.empty()) {
    char32_t code = 0;
    const std::size_t length = Utf8Sequence(text, code);
    std::string_view piece = length == 0 ? "_" : text.substr(0, length);
    if (length != 0 &&
        (IsControlCharacter(code) || IsFormatCharacter(code) || code == 0x2028 || code == 0x2029 ||
         (code < 0x80 && kForbidden.find(static_cast<char>(code)) != std::string_view::npos))) {
      piece = code == U'\t' || code == U'\n' || code == U'\r' ? " " : "_";
    }
    text.remove_prefix(std::max<std::size_t>(length, 1));
    if (piece == " " && (name.empty() || name.back() == ' ')) continue;
    if (piece == "." && name.empty()) continue;
    if (name.size() + piece.size() > limit) break;
    name += piece;
  }
  while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
  return name;
}

std::string ProposedPdfName(const Quotation& quotation) {
  std::string stem = NumberWithRevision(quotation);
  if (!quotation.customer.company.empty()) {
    if (!stem.empty()) stem += ' ';
    stem += quotation.customer.company;
  }
  std::string name = SafeFileName(stem);
  if (name.empty()) name = "Quotation";
  return name + ".pdf";
}

}  // namespace corvane

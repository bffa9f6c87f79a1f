#include "register/quote_register.h"

#include <algorithm>
#include <cctype>

namespace corvane {
namespace {

char Folded(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool ContainsFolded(std::string_view text, std::string_view folded) {
  return std::search(text.begin(), text.end(), folded.begin(), folded.end(),
                     [](char a, char b) { return Folded(a) == b; }) != text.end();
}

}  // namespace

std::string QuoteNumber(std::string_view prefix, int year, std::int64_t serial) {
  std::string digits = std::to_string(serial);
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return std::string(prefix) + std::to_string(year) + "-" + digits;
}

std::vector<std::size_t> Matching(const std::vector<RegisterEntry>& entries,
                                  std::string_view text) {
  std::string folded(text);
  std::transform(folded.begin(), folded.end(), folded.begin(), Folded);
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (ContainsFolded(entries[i].customer, folded) || ContainsFolded(entries[i].number, folded)) {
      found.push_back(i);
    }
  }
  return found;
}

}  // namespace corvane

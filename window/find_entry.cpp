#include "window/find_entry.h"

namespace corvane {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Only ASCII letters change case: a byte of a multi-byte character is never one of them.
char LowerCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

std::string FoldForFinding(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsBlank(text[i])) {
      folded.push_back(LowerCase(text[i]));
    } else if (i == 0 || !IsBlank(text[i - 1])) {
      folded.push_back(' ');
    }
  }
  return folded;
}

bool Offers(std::string_view entry, std::string_view typed) {
  return FoldForFinding(entry).find(FoldForFinding(typed)) != std::string::npos;
}

std::vector<int> OfferedEntries(const std::vector<std::string>& entries, std::string_view typed) {
  std::vector<int> offered;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (Offers(entries[i], typed)) offered.push_back(static_cast<int>(i));
  }
  return offered;
}

std::optional<int> TypedChoice(const std::vector<std::string>& entries, std::string_view typed) {
  const std::string folded = FoldForFinding(typed);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (FoldForFinding(entries[i]) == folded) return static_cast<int>(i);
  }
  const std::vector<int> offered = OfferedEntries(entries, typed);
  if (offered.size() == 1) return offered.front();
  return std::nullopt;
}

}  // namespace corvane

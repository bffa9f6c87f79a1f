#include "window/find_entry.h"

#include <algorithm>

namespace corvane {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Only ASCII letters change case: a byte of a multi-byte character is never one of them.
char LowerCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The words of a folded text, split at its single spaces.
std::vector<std::string_view> Words(std::string_view folded) {
  std::vector<std::string_view> words;
  while (!folded.empty()) {
    const std::size_t end = std::min(folded.find(' '), folded.size());
    if (end > 0) words.push_back(folded.substr(0, end));
    folded.remove_prefix(std::min(end + 1, folded.size()));
  }
  return words;
}

// Whether the typed text occurs in the entry with its end at the end of a word, and, when asked,
// its start at the start of one; both texts folded.
bool HoldsAtWordEdges(const std::string& entry, const std::string& typed, bool fromWordStart) {
  if (typed.empty()) return false;
  for (std::size_t at = entry.find(typed); at != std::string::npos;
       at = entry.find(typed, at + 1)) {
    const std::size_t end = at + typed.size();
    const bool starts = at == 0 || entry[at - 1] == ' ' || !fromWordStart;
    if (starts && (end == entry.size() || entry[end] == ' ')) return true;
  }
  return false;
}

bool IsNumber(std::string_view word) {
  return !word.empty() &&
         std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether each typed word begins a word of the entry, in the entry's order; both texts folded.
// With wholeNumbers, a typed number begins only the same number: "t 1" then begins the words of
// "Windows Tessaline 1" but not of "Windows Tessaline 14", as a number is read whole.
bool BeginsWordsOf(const std::string& entry, const std::string& typed, bool wholeNumbers) {
  const std::vector<std::string_view> typedWords = Words(typed);
  const std::vector<std::string_view> entryWords = Words(entry);
  if (typedWords.empty()) return false;
  auto next = entryWords.begin();
  for (const std::string_view word : typedWords) {
    const bool whole = wholeNumbers && IsNumber(word);
    next = std::find_if(next, entryWords.end(), [word, whole](std::string_view w) {
      return whole ? w == word : w.starts_with(word);
    });
    if (next == entryWords.end()) return false;
    ++next;
  }
  return true;
}

// The only one of the offered entries the test picks, if exactly one.
template <typename Test>
std::optional<int> OnlyOne(const std::vector<int>& offered, Test test) {
  std::optional<int> only;
  for (const int position : offered) {
    if (!test(position)) continue;
    if (only) return std::nullopt;
    only = position;
  }
  return only;
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

bool BeginsWords(std::string_view entry, std::string_view typed) {
  return BeginsWordsOf(FoldForFinding(entry), FoldForFinding(typed), false);
}

bool Offers(std::string_view entry, std::string_view typed) {
  return FoldForFinding(entry).find(FoldForFinding(typed)) != std::string::npos ||
         BeginsWords(entry, typed);
}

std::vector<int> OfferedEntries(const std::vector<std::string>& entries, std::string_view typed) {
  std::vector<int> offered;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (Offers(entries[i], typed)) offered.push_back(static_cast<int>(i));
  }
  return offered;
}

bool HoldsWholeWords(std::string_view entry, std::string_view typed) {
  return HoldsAtWordEdges(FoldForFinding(entry), FoldForFinding(typed), true);
}

std::optional<int> TypedChoice(const std::vector<std::string>& entries, std::string_view typed) {
  const std::string folded = FoldForFinding(typed);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (FoldForFinding(entries[i]) == folded) return static_cast<int>(i);
  }
  const std::vector<int> offered = OfferedEntries(entries, typed);
  if (offered.size() == 1) return offered.front();
  const auto entry = [&](int position) {
    return FoldForFinding(entries[static_cast<std::size_t>(position)]);
  };
  if (const auto whole =
          OnlyOne(offered, [&](int p) { return HoldsAtWordEdges(entry(p), folded, true); })) {
    return whole;
  }
  // A text that ends where a word ends names that word whole: "e 1" names Tessaline 1, not 14.
  if (const auto ending =
          OnlyOne(offered, [&](int p) { return HoldsAtWordEdges(entry(p), folded, false); })) {
    return ending;
  }
  // Word beginnings with a whole number: "t 1" names Tessaline 1, "d 24" Dravon Builder 24.
  return OnlyOne(offered, [&](int p) { return BeginsWordsOf(entry(p), folded, true); });
}

}  // namespace corvane

#include "quotation/iban.h"

#include <string>

namespace corvane {
namespace {

bool IsLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
int LetterValue(char c) {
  return (c >= 'a' ? c - 'a' : c - 'A') + 10;
}

// The shortest and longest IBANs any country issues (Norway's 15, Russia's 33 plus a margin).
constexpr std::size_t kShortest = 15;
constexpr std::size_t kLongest = 34;

}  // namespace

IbanCheck CheckIban(std::string_view account) {
  std::string compact;
  for (char c : account) {
    if (c != ' ') compact += c;
  }
  if (compact.size() < 4 || !IsLetter(compact[0]) || !IsLetter(compact[1]) ||
      !IsDigit(compact[2]) || !IsDigit(compact[3])) {
    return IbanCheck::NotAnIban;
  }
  if (compact.size() < kShortest || compact.size() > kLongest) return IbanCheck::Fails;
  const std::string moved = compact.substr(4) + compact.substr(0, 4);
  int remainder = 0;
  for (char c : moved) {
    if (IsDigit(c)) {
      remainder = (remainder * 10 + (c - '0')) % 97;
    } else if (IsLetter(c)) {
      remainder = (remainder * 100 + LetterValue(c)) % 97;
    } else {
      return IbanCheck::Fails;
    }
  }
  return remainder == 1 ? IbanCheck::Holds : IbanCheck::Fails;
}

}  // namespace corvane

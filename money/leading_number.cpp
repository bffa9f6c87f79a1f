#include "money/leading_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace corvane {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Reads characters while skipping blanks, so that "1 5%" reads as 15.
class Reader {
 public:
  explicit Reader(std::string_view text) : text_(text) {}

  //! The next character that is not a blank, or '\0' at the end (which continues nothing).
  char Peek() {
    while (position_ < text_.size() && IsBlank(text_[position_])) ++position_;
    return position_ < text_.size() ? text_[position_] : '\0';
  }
  void Take() { ++position_; }
  std::size_t Position() const { return position_; }
  void Rewind(std::size_t position) { position_ = position; }

 private:
  std::string_view text_;
  std::size_t position_ = 0;
};

// The value of a digit string too large or too small for a double: which of the two it is
// follows from the decimal order of magnitude of its first significant digit.
double OutOfRangeValue(std::string_view mantissa, long long exponent) {
  const std::size_t point = mantissa.find('.');
  const std::size_t integerDigits = point == std::string_view::npos ? mantissa.size() : point;
  const std::size_t first = mantissa.find_first_not_of("0.");
  if (first == std::string_view::npos) return 0.0;
  const long long order = first < integerDigits
                              ? static_cast<long long>(integerDigits - first)
                              : -static_cast<long long>(first - integerDigits - 1);
  return order + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

}  // namespace

double LeadingNumber(std::string_view text) {
  Reader reader(text);
  bool negative = false;
  if (const char sign = reader.Peek(); sign == '+' || sign == '-') {
    negative = sign == '-';
    reader.Take();
  }

  std::string mantissa;
  bool seenPoint = false;
  bool seenDigit = false;
  for (char c = reader.Peek(); IsDigit(c) || (c == '.' && !seenPoint); c = reader.Peek()) {
    seenPoint = seenPoint || c == '.';
    seenDigit = seenDigit || IsDigit(c);
    mantissa.push_back(c);
    reader.Take();
  }
  if (!seenDigit) return 0.0;

  // An exponent counts only when at least one digit follows its letter and sign.
  long long exponent = 0;
  std::string exponentText;
  const std::size_t beforeExponent = reader.Position();
  if (const char letter = reader.Peek(); letter == 'E' || letter == 'e') {
    reader.Take();
    bool exponentNegative = false;
    if (const char sign = reader.Peek(); sign == '+' || sign == '-') {
      exponentNegative = sign == '-';
      reader.Take();
    }
    for (char c = reader.Peek(); IsDigit(c); c = reader.Peek()) {
      exponentText.push_back(c);
      // Clamped far beyond any double's range, so that the value keeps its side of it.
      exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
      reader.Take();
    }
    if (exponentText.empty()) {
      reader.Rewind(beforeExponent);
    } else if (exponentNegative) {
      exponent = -exponent;
    }
  }

  std::string number = mantissa;
  if (!exponentText.empty()) {
    number += 'e';
    number += std::to_string(exponent);
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) value = OutOfRangeValue(mantissa, exponent);
  (void)end;
  return negative ? -value : value;
}

}  // namespace corvane

#include "sheet/repricing_text.h"

#include "sheet/priced_line.h"

namespace corvane {

std::string RepriceQuestion(std::size_t lines, const BookIdentity& book) {
  const std::string what = lines == 1 ? "the line" : "the " + std::to_string(lines) + " lines";
  return "Re-price " + what + " at " + BookName(book) + "'s prices, or keep the prices " +
         (lines == 1 ? "it was" : "they were") + " given?";
}

std::string KeptPricesMessage(const Repricing& repricing, const std::vector<QuoteLine>& lines) {
  if (repricing.kept.empty()) return {};
  const bool one = repricing.kept.size() == 1;
  std::string message = BookName(repricing.book) + " cannot price " +
                        (one ? std::string("this line, which keeps the price it was given:")
                             : std::to_string(repricing.kept.size()) +
                                   " lines, which keep the prices they were given:");
  for (const std::size_t index : repricing.kept) {
    if (index < lines.size()) message += "\n" + lines[index].description;
  }
  return message;
}

}  // namespace corvane

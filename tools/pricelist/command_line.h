// corvane-pricelist's options, read from its arguments without side effects.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

struct CommandLine {
  std::string discount = "0%";
  std::string dealer;     //!< the dealer's company name for the title; empty: none
  bool allMoves = false;  //!< every pair of packages, also those never priced
  bool csv = false;
  std::optional<std::string> pdfPath;
  std::optional<std::string> xlsxPath;
  std::optional<std::string> priceBookPath;  //!< the book to list instead of the built-in one
  bool exportPriceBook = false;              //!< print the book as a price-book file instead
  bool help = false;
  bool version = false;
  std::string error;  //!< why the arguments were refused; empty when they were read
};

//! Reads the arguments after the program's name. An option that takes a value takes the next
//! argument, or the text after "="; another option standing where the value belongs is refused.
CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments);

//! The usage lines, printed with a refusal.
std::string_view UsageText();

//! The usage lines and what each option does.
std::string_view HelpText();

}  // namespace corvane

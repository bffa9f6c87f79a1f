// corvane-pricelist: prints every price the calculator's window can show, as text or CSV.
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "pricebook/price_book.h"
#include "tools/pricelist/price_list.h"
#include "tools/pricelist/price_list_csv.h"
#include "tools/pricelist/price_list_text.h"
#include "tools/pricelist/standard_output.h"

namespace {

constexpr int kUsageError = 2;

int Usage() {
  std::cerr << "usage: corvane-pricelist [--discount TEXT] [--csv]\n";
  return kUsageError;
}

}  // namespace

int main(int argc, char* argv[]) {
  corvane::UseStandardOutputAsBytes();
  std::string discount = "0%";
  bool csv = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--csv") {
      csv = true;
    } else if (argument == "--discount" && i + 1 < argc) {
      discount = argv[++i];
    } else if (argument.starts_with("--discount=")) {
      discount = argument.substr(std::string_view("--discount=").size());
    } else {
      return Usage();
    }
  }

  const corvane::PriceBook book = corvane::FillPriceBook();
  const auto rows = corvane::BuildPriceList(book, discount);
  if (csv) {
    corvane::WriteCsv(rows, std::cout);
  } else {
    corvane::WritePlainText(rows, discount, std::cout);
  }
  std::cout.flush();
  return std::cout ? EXIT_SUCCESS : EXIT_FAILURE;
}

// corvane-pricelist: prints every price the calculator's window can show, as text, CSV, PDF or
// XLSX workbook.
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/version.h"
#include "money/escaped_text.h"
#include "pricebook/price_book.h"
#include "pricebook/price_book_file.h"
#include "pricelist/price_list.h"
#include "pricelist/price_list_csv.h"
#include "pricelist/price_list_text.h"
#include "tools/pricelist/command_line.h"
#include "tools/pricelist/discount_check.h"
#include "tools/pricelist/qt_parts.h"
#include "tools/pricelist/standard_output.h"
#include "tools/pricelist/write_all.h"

namespace {

constexpr int kWriteFailed = 1;
constexpr int kUsageError = 2;

// One line, whatever path or typed text it quotes.
void Say(std::string_view line) {
  const std::string shown = corvane::Escaped(line);
  std::fprintf(stderr, "corvane-pricelist: %s\n", shown.c_str());
}

// `what` names what was being written ("the price list "), or nothing for an answer to an option.
int Print(std::string_view text, std::string_view what = {}) {
  const std::string cause = corvane::WriteAll(stdout, text);
  if (cause.empty()) return EXIT_SUCCESS;
  Say("cannot write " + std::string(what) + "to standard output: " + cause);
  return kWriteFailed;
}

// Refuses a text that cannot be printed faithfully; for one the window would price oddly, says
// how it is priced and goes on.
bool AcceptDiscount(const std::string& discount) {
  switch (corvane::CheckDiscount(discount)) {
    case corvane::DiscountCheck::NotUtf8:
      Say("the discount text is not valid UTF-8");
      return false;
    case corvane::DiscountCheck::ControlCharacter:
      Say("the discount text holds a control character");
      return false;
    case corvane::DiscountCheck::LineSeparator:
      Say("the discount text holds a line or paragraph separator");
      return false;
    case corvane::DiscountCheck::FormatCharacter:
      Say("the discount text holds an invisible format character");
      return false;
    case corvane::DiscountCheck::NamesNoNumber:
      Say("the discount \"" + discount + "\" names no number; prices are listed at 0 %, as the " +
          "window shows them");
      return true;
    case corvane::DiscountCheck::OutOfRange:
      Say("the discount \"" + discount + "\" is outside 0 % to 100 %; new packages and " +
          "cross-grades are listed as refused, as the window refuses them");
      return true;
    case corvane::DiscountCheck::Valid:
      return true;
  }
  return true;
}

// The dealer's name stands in the list's title and in a workbook's printed header: a text that
// would print other than it reads is refused, as a discount is.
bool AcceptDealer(const std::string& dealer) {
  switch (corvane::CheckDiscount(dealer)) {
    case corvane::DiscountCheck::NotUtf8:
      Say("the dealer's name is not valid UTF-8");
      return false;
    case corvane::DiscountCheck::ControlCharacter:
      Say("the dealer's name holds a control character");
      return false;
    case corvane::DiscountCheck::FormatCharacter:
      Say("the dealer's name holds an invisible format character");
      return false;
    default:
      return true;
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  corvane::UseStandardOutputAsBytes();
  const corvane::CommandLine options =
      corvane::ParseCommandLine(std::vector<std::string_view>(argv + 1, argv + argc));
  if (!options.error.empty()) {
    Say(options.error);
    std::fputs(std::string(corvane::UsageText()).c_str(), stderr);
    return kUsageError;
  }
  if (options.help) return Print(corvane::HelpText());
  if (options.version) {
    return Print(corvane::VersionText("corvane-pricelist"));
  }
  if (options.pdfPath && !corvane::PdfAvailable()) {
    Say("--pdf is not available: this build was made without Qt");
    return kUsageError;
  }
  if (options.xlsxPath && !corvane::XlsxAvailable()) {
    Say("--xlsx is not available: this build was made without Qt and libxlsxwriter");
    return kUsageError;
  }
  if (!AcceptDiscount(options.discount)) return kUsageError;
  if (!AcceptDealer(options.dealer)) return kUsageError;

  corvane::PriceBook book;
  try {
    book = options.priceBookPath ? corvane::ReadPriceBook(*options.priceBookPath)
                                 : corvane::FillPriceBook();
  } catch (const corvane::PriceBookError& error) {
    Say(error.what());
    return kUsageError;
  }
  if (options.exportPriceBook) return Print(corvane::PriceBookJson(book), "the price book ");
  // The CSV keeps the texts it always had; the amounts columns serve every locale.
  const corvane::Separators separators =
      options.csv ? corvane::Separators{} : corvane::UserSeparators();
  corvane::PriceList list =
      corvane::BuildPriceList(book, options.discount, separators,
                              options.allMoves ? corvane::Moves::All : corvane::Moves::Priced);
  list.title.dealer = options.dealer;
  if (options.pdfPath) {
    const std::string cause = corvane::SavePdf(list, *options.pdfPath);
    if (cause.empty()) return EXIT_SUCCESS;
    Say("cannot write the PDF to " + *options.pdfPath + ": " + cause);
    return kWriteFailed;
  }
  if (options.xlsxPath) {
    const std::string cause = corvane::SaveXlsx(list, *options.xlsxPath);
    if (cause.empty()) return EXIT_SUCCESS;
    Say("cannot write the workbook to " + *options.xlsxPath + ": " + cause);
    return kWriteFailed;
  }
  std::ostringstream out;
  if (options.csv) {
    corvane::WriteCsv(list, out);
  } else {
    corvane::WritePlainText(list, out);
  }
  return Print(out.str(), "the price list ");
}

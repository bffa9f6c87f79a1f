#include "tools/pricelist/command_line.h"

namespace corvane {
namespace {

constexpr std::string_view kUsage =
    "usage: corvane-pricelist [--price-book FILE] [--discount TEXT] [--dealer NAME] [--all-moves]\n"
    "                         [--csv | --pdf FILE | --xlsx FILE]\n"
    "       corvane-pricelist [--price-book FILE] --export-price-book\n"
    "       corvane-pricelist --help | --version\n";

constexpr std::string_view kOptions =
    "\n"
    "Prints every price the Corvane cross-grade calculator's window can show, as the window shows\n"
    "it, with the number format of the user's locale.\n"
    "\n"
    "  --price-book FILE\n"
    "                   list the prices of the price-book file FILE instead of those of the\n"
    "                   built-in book (see price-book.md in the documentation)\n"
    "  --export-price-book\n"
    "                   print the price book (the built-in one, or FILE) as a price-book file,\n"
    "                   to start a new book from\n"
    "  --discount TEXT  the dealer discount on new packages and cross-grades, as typed in the\n"
    "                   window (\"15%\", \"12.5%\"); default \"0%\"\n"
    "  --dealer NAME    name the dealer in the list's title (\"Corvane Price List - NAME\"); by\n"
    "                   default the title names none\n"
    "  --all-moves      list every pair of packages as a cross-grade, also the moves the window\n"
    "                   never prices (to the same package, to PIPWICK, to fewer terminals, or\n"
    "                   not in the price tables), each with its refusal; by default they are left\n"
    "                   out and one note says which and why\n"
    "  --csv            print CSV instead of aligned text: the texts the window shows, and the\n"
    "                   amounts as plain decimals in excl_vat_amount and incl_vat_amount\n"
    "  --pdf FILE       write the list as an A4 PDF to FILE instead of printing it\n"
    "  --xlsx FILE      write the list as an XLSX workbook to FILE, one sheet per section, the\n"
    "                   amounts as numbers that each spreadsheet shows in its own locale\n"
    "  --help           print this help and exit\n"
    "  --version        print the version and the date the prices take effect, and exit\n"
    "\n"
    "Exit status: 0 when the list was printed or written, 1 when it could not be written, 2 for\n"
    "a bad option, a discount text that is not valid UTF-8 or holds a control character or an\n"
    "invisible format character, or a price book that cannot be used.\n";

std::string Joined(std::string_view a, std::string_view b) {
  return std::string(a) + std::string(b);
}

}  // namespace

std::string_view UsageText() {
  return kUsage;
}

std::string_view HelpText() {
  static const std::string help = Joined(kUsage, kOptions);
  return help;
}

CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments) {
  CommandLine line;
  const auto refuse = [&line](std::string reason) {
    line.error = std::move(reason);
    return line;
  };
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    const std::size_t equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    const bool takesValue = name == "--discount" || name == "--pdf" || name == "--xlsx" ||
                            name == "--price-book" || name == "--dealer";
    if (equals != std::string_view::npos && !takesValue) {
      return refuse(Joined(name, " takes no value"));
    }
    std::string value;
    if (takesValue) {
      if (equals != std::string_view::npos) {
        value = argument.substr(equals + 1);
      } else if (i + 1 < arguments.size() && !arguments[i + 1].starts_with("--")) {
        value = arguments[++i];
      } else {
        return refuse(Joined(name, " needs a value"));
      }
    }
    if (name == "--discount") {
      line.discount = value;
    } else if (name == "--dealer") {
      line.dealer = value;
    } else if (name == "--all-moves") {
      line.allMoves = true;
    } else if (name == "--pdf") {
      if (value.empty()) return refuse("--pdf needs a file name");
      line.pdfPath = value;
    } else if (name == "--xlsx") {
      if (value.empty()) return refuse("--xlsx needs a file name");
      line.xlsxPath = value;
    } else if (name == "--price-book") {
      if (value.empty()) return refuse("--price-book needs a file name");
      line.priceBookPath = value;
    } else if (name == "--export-price-book") {
      line.exportPriceBook = true;
    } else if (name == "--csv") {
      line.csv = true;
    } else if (name == "--help") {
      line.help = true;
    } else if (name == "--version") {
      line.version = true;
    } else {
      return refuse(Joined("unknown option: ", argument));
    }
  }
  if (int{line.csv} + int{line.pdfPath.has_value()} + int{line.xlsxPath.has_value()} > 1) {
    return refuse("only one of --csv, --pdf and --xlsx can be given");
  }
  if (line.exportPriceBook && (line.csv || line.pdfPath || line.xlsxPath)) {
    return refuse("--export-price-book prints the book alone, without --csv, --pdf or --xlsx");
  }
  return line;
}

}  // namespace corvane

#include "tools/pricelist/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

struct Case {
  std::vector<std::string_view> arguments;
  std::string discount;
  bool csv;
  std::string pdf;  // empty for none
  bool help;
  bool version;
};

TEST(CommandLine, ReadsEachOptionAndItsValue) {
  const std::vector<Case> cases = {
      {{}, "0%", false, "", false, false},
      {{"--discount", "15%"}, "15%", false, "", false, false},
      {{"--discount=12.5%", "--csv"}, "12.5%", true, "", false, false},
      {{"--discount", "-5%"}, "-5%", false, "", false, false},  // a value may start with one "-"
      {{"--discount="}, "", false, "", false, false},
      {{"--pdf", "list.pdf", "--discount", "10%"}, "10%", false, "list.pdf", false, false},
      {{"--pdf=a=b.pdf"}, "0%", false, "a=b.pdf", false, false},
      {{"--help"}, "0%", false, "", true, false},
      {{"--version"}, "0%", false, "", false, true},
  };
  const CommandLine book = ParseCommandLine({"--price-book=b.json", "--export-price-book"});
  EXPECT_EQ(book.priceBookPath.value_or(""), "b.json");
  EXPECT_TRUE(book.exportPriceBook);
  const CommandLine titled = ParseCommandLine({"--dealer", "Tarn & Sons", "--all-moves"});
  EXPECT_EQ(titled.dealer, "Tarn & Sons");
  EXPECT_TRUE(titled.allMoves);
  EXPECT_EQ(ParseCommandLine({"--dealer=-x"}).dealer, "-x");
  EXPECT_FALSE(ParseCommandLine({}).allMoves);
  EXPECT_EQ(ParseCommandLine({}).dealer, "");
  for (const Case& c : cases) {
    const CommandLine line = ParseCommandLine(c.arguments);
    SCOPED_TRACE(c.arguments.empty() ? std::string("(none)") : std::string(c.arguments.front()));
    EXPECT_EQ(line.error, "");
    EXPECT_EQ(line.discount, c.discount);
    EXPECT_EQ(line.csv, c.csv);
    EXPECT_EQ(line.pdfPath.value_or(""), c.pdf);
    EXPECT_EQ(line.pdfPath.has_value(), !c.pdf.empty());
    EXPECT_EQ(line.help, c.help);
    EXPECT_EQ(line.version, c.version);
  }
}

TEST(CommandLine, RefusesWhatItCannotRead) {
  const std::vector<std::pair<std::vector<std::string_view>, std::string>> cases = {
      {{"--bogus"}, "unknown option: --bogus"},
      {{"-h"}, "unknown option: -h"},
      {{"15%"}, "unknown option: 15%"},
      {{"--discount"}, "--discount needs a value"},
      {{"--discount", "--csv"}, "--discount needs a value"},
      {{"--pdf"}, "--pdf needs a value"},
      {{"--pdf", "--help"}, "--pdf needs a value"},
      {{"--pdf="}, "--pdf needs a file name"},
      {{"--csv=yes"}, "--csv takes no value"},
      {{"--all-moves=yes"}, "--all-moves takes no value"},
      {{"--dealer"}, "--dealer needs a value"},
      {{"--csv", "--pdf", "x.pdf"}, "only one of --csv, --pdf and --xlsx can be given"},
      {{"--pdf", "x.pdf", "--xlsx=x.xlsx"}, "only one of --csv, --pdf and --xlsx can be given"},
      {{"--xlsx", "--csv"}, "--xlsx needs a value"},
      {{"--xlsx="}, "--xlsx needs a file name"},
      {{"--price-book"}, "--price-book needs a value"},
      {{"--price-book="}, "--price-book needs a file name"},
      {{"--export-price-book", "--csv"},
       "--export-price-book prints the book alone, without --csv, --pdf or --xlsx"},
  };
  for (const auto& [arguments, error] : cases) {
    EXPECT_EQ(ParseCommandLine(arguments).error, error);
  }
}

TEST(CommandLine, ReadsTheWorkbooksFile) {
  for (const std::vector<std::string_view>& arguments :
       {std::vector<std::string_view>{"--xlsx", "list.xlsx"}, {"--xlsx=list.xlsx"}}) {
    const CommandLine line = ParseCommandLine(arguments);
    EXPECT_EQ(line.error, "");
    EXPECT_EQ(line.xlsxPath.value_or(""), "list.xlsx");
    EXPECT_FALSE(line.csv || line.pdfPath);
  }
}

TEST(CommandLine, HelpStartsWithTheUsageAndNamesEveryOption) {
  const std::string help(HelpText());
  EXPECT_TRUE(help.starts_with(UsageText()));
  for (const char* option :
       {"--discount TEXT", "--csv", "--pdf FILE", "--xlsx FILE", "--help", "--version",
        "--price-book FILE", "--export-price-book", "--dealer NAME", "--all-moves"}) {
    EXPECT_NE(help.find(std::string("\n  ") + option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace corvane

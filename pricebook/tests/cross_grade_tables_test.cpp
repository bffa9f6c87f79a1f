#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "price_book_fixture.h"

namespace corvane {
namespace {

using testing::FilledBook;
using PriceTable = decltype(PriceBook::UpgradeTable);
using Cells = std::array<std::string, 5>;

struct FilledRows {
  const char* name;
  const PriceTable& table;
  int first;
  int last;
};

std::vector<FilledRows> BothTables() {
  const PriceBook& book = FilledBook();
  return {{"UpgradeTable", book.UpgradeTable, 1, 83},
          {"CrossGradeTable", book.CrossGradeTable, 0, 141}};
}

std::string Where(const FilledRows& t, int row) {
  return std::string(t.name) + " row " + std::to_string(row);
}

Cells RowCells(const PriceTable& table, int row) {
  Cells cells;
  for (int column = 0; column <= 4; ++column) {
    cells[static_cast<std::size_t>(column)] = table(row, column);
  }
  return cells;
}

std::set<std::string> CatalogueNames() {
  std::set<std::string> names;
  for (int i = 2; i <= 32; ++i) names.insert(FilledBook().PackageName[i]);
  return names;
}

TEST(CrossGradeTables, FilledRowsHaveNamesAndAPriceAndTheRestAreEmpty) {
  for (const FilledRows& t : BothTables()) {
    for (int row = 0; row <= t.table.UpperBound(); ++row) {
      SCOPED_TRACE(Where(t, row));
      if (row >= t.first && row <= t.last) {
        EXPECT_NE(t.table(row, kFromColumn), "");
        EXPECT_NE(t.table(row, kToColumn), "");
        EXPECT_NE(t.table(row, kAgeBand0Column), "");
      } else {
        EXPECT_EQ(RowCells(t.table, row), Cells{});
      }
    }
  }
}

TEST(CrossGradeTables, OnlyTheDosAndCrossGradeRowsHaveAgeBandColumns) {
  const PriceBook& book = FilledBook();
  for (int row = 0; row <= 200; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(book.UpgradeTable(row, kAgeBand1Column).empty(), row != 83);
    EXPECT_EQ(book.UpgradeTable(row, kAgeBand2Column).empty(), row != 83);
    EXPECT_EQ(book.CrossGradeTable(row, kAgeBand1Column).empty(), row > 59);
    EXPECT_EQ(book.CrossGradeTable(row, kAgeBand2Column).empty(), row < 43 || row > 46);
  }
}

TEST(CrossGradeTables, RowsTheQuoteRulesDependOn) {
  const PriceBook& book = FilledBook();
  const PriceTable& up = book.UpgradeTable;
  const PriceTable& cross = book.CrossGradeTable;
  const std::string zeph = "Windows ZEPH (Strovane)";
  const std::string dosPro = "DOS PRO Garrowin Manager";
  const std::string dosPlus = "DOS CorvPLUS Garrowin Manager";
  const std::string tess2 = "Windows Tessaline 2";
  const std::string dravon = "Windows Dravon Builder ";
  const std::vector<std::tuple<const PriceTable*, int, Cells>> cases = {
      {&up, 28, {tess2, dravon + "24", "37600", "", ""}},
      {&up, 29, {tess2, dravon + "29", "32000", "", ""}},
      {&up, 73, {dravon + "24", dravon + "29", "6000", "", ""}},
      {&up, 82, {dravon + "99", dravon + "140", "50000", "", ""}},
      {&up, 83, {dosPlus, dosPro, "2500", "2500", "2500"}},
      {&cross, 0, {zeph, "Windows HB 1", "3300", "3000", ""}},
      {&cross, 43, {dosPro, "Windows Garrowin Manager", "2000", "1800", "1700"}},
      {&cross, 44, {dosPro, "Windows Tollbane Manager", "1900", "1800", "1700"}},
      {&cross, 45, {dosPlus, "Windows Garrowin Manager", "3000", "3000", "3000"}},
      {&cross, 46, {dosPlus, "Windows Tollbane Manager", "2300", "2300", "2300"}},
      {&cross, 56, {"Windows PIPWICK", "Windows Tessaline 4", "7800", "7600", ""}},
      {&cross, 60, {"Windows HB 1", "Windows HB 2", "900", "", ""}},
      {&cross, 133, {dravon + "24", dravon + "49", "26000", "", ""}},
  };
  for (const auto& [table, row, cells] : cases) {
    SCOPED_TRACE((table == &up ? "UpgradeTable row " : "CrossGradeTable row ") +
                 std::to_string(row));
    EXPECT_EQ(RowCells(*table, row), cells);
  }
}

TEST(CrossGradeTables, CrossGradeRows60To141RepeatUpgradeRows1To82) {
  const PriceBook& book = FilledBook();
  for (int row = 60; row <= 141; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(RowCells(book.CrossGradeTable, row), RowCells(book.UpgradeTable, row - 59));
  }
}

// The Dravon tier goes by its catalogue names in both tables, so that moves into and within it
// match the packages the window offers.
TEST(CrossGradeTables, DravonNamesAreCatalogueNames) {
  const std::set<std::string> catalogue = CatalogueNames();
  for (const FilledRows& t : BothTables()) {
    for (int row = 0; row <= 200; ++row) {
      for (int column = 0; column <= 4; ++column) {
        const std::string& cell = t.table(row, column);
        if (cell.find("Dravon") == std::string::npos) continue;
        SCOPED_TRACE(Where(t, row) + ": " + cell);
        EXPECT_TRUE(catalogue.contains(cell));
        EXPECT_TRUE(cell.starts_with("Windows Dravon Builder "));
      }
    }
  }
}

TEST(CrossGradeTables, EveryMoveWithinTheDravonTierIsInUpgradeRows73To82) {
  const PriceBook& book = FilledBook();
  int row = 73;
  for (int from = 17; from <= 21; ++from) {
    for (int to = from + 1; to <= 21; ++to, ++row) {
      SCOPED_TRACE(row);
      EXPECT_EQ(book.UpgradeTable(row, kFromColumn), book.PackageName[from]);
      EXPECT_EQ(book.UpgradeTable(row, kToColumn), book.PackageName[to]);
    }
  }
}

TEST(CrossGradeTables, PairsAreUniqueAndNamedAsInTheCatalogueOrAsDos) {
  const std::set<std::string> catalogue = CatalogueNames();
  const std::set<std::string> dos = {"DOS PRO Garrowin Manager", "DOS CorvPLUS Garrowin Manager"};
  for (const FilledRows& t : BothTables()) {
    std::set<std::pair<std::string, std::string>> pairs;
    for (int row = t.first; row <= t.last; ++row) {
      SCOPED_TRACE(Where(t, row));
      EXPECT_TRUE(pairs.emplace(t.table(row, kFromColumn), t.table(row, kToColumn)).second);
      for (const std::string& name : {t.table(row, kFromColumn), t.table(row, kToColumn)}) {
        EXPECT_TRUE(catalogue.contains(name) || dos.contains(name)) << name;
        EXPECT_EQ(catalogue.contains(name), name.starts_with("Windows")) << name;
      }
    }
  }
}

TEST(CrossGradeTables, PricesNeverRiseAcrossTheAgeBands) {
  for (const FilledRows& t : BothTables()) {
    for (int row = t.first; row <= t.last; ++row) {
      SCOPED_TRACE(Where(t, row));
      int previous = std::stoi(t.table(row, kAgeBand0Column));
      for (int column : {kAgeBand1Column, kAgeBand2Column}) {
        if (t.table(row, column).empty()) continue;
        const int price = std::stoi(t.table(row, column));
        EXPECT_LE(price, previous);
        previous = price;
      }
    }
  }
}

}  // namespace
}  // namespace corvane

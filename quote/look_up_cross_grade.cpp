#include "quote/look_up_cross_grade.h"

#include <string>
#include <string_view>

#include "money/leading_number.h"
#include "quote/package_name.h"

namespace corvane {
namespace {

using CrossGradeTable = Table2<std::string, 200, 4>;

Money CellPrice(const CrossGradeTable& table, int row, int column) {
  return Money::fromDouble(LeadingNumber(table(row, column)));
}

// Upgrade rows answer every age with their one price unless they carry an age column.
int UpgradeColumn(const CrossGradeTable& table, int row, int ageBand) {
  if (CellPrice(table, row, kAgeBand1Column) == Money()) return kAgeBand0Column;
  if (ageBand == 1) return kAgeBand1Column;
  if (ageBand == 2) return kAgeBand2Column;
  return kAgeBand0Column;
}

// Cross-grade rows carry two or three age prices. A row whose price does not depend on age leaves
// the second empty; it then answers with its one price rather than with nothing.
int CrossGradeColumn(const CrossGradeTable& table, int row, int ageBand) {
  if (ageBand == 1) {
    return table(row, kAgeBand1Column).empty() ? kAgeBand0Column : kAgeBand1Column;
  }
  if (ageBand == 2 && CellPrice(table, row, kAgeBand2Column) != Money()) {
    return kAgeBand2Column;
  }
  return kAgeBand0Column;
}

// Scans rows 0 to one below the upper bound; a later match overrides an earlier one. Without a
// match the pair is one the tables serve but do not list.
template <typename ChooseColumn>
Lookup ScanRows(const CrossGradeTable& table, std::string_view from, std::string_view to,
                int ageBand, ChooseColumn chooseColumn) {
  Lookup found{LookupStatus::NotListed, Money()};
  for (int row = 0; row <= table.UpperBound() - 1; ++row) {
    if (table(row, kToColumn) == to && table(row, kFromColumn) == from) {
      found = {LookupStatus::Found, CellPrice(table, row, chooseColumn(table, row, ageBand))};
    }
  }
  return found;
}

bool MovesToFewerTerminals(std::string_view from, std::string_view to) {
  return ReducesTerminals(TerminalCount(from), TerminalCount(to));
}

}  // namespace

Lookup LookUpCrossGrade(const PriceBook& book, std::string_view from, std::string_view to,
                        int ageBand) {
  constexpr Lookup kNotApplicable{LookupStatus::NotApplicable, Money()};
  constexpr Lookup kFewerTerminals{LookupStatus::FewerTerminals, Money()};

  // Moves between the DOS and Windows lines are priced by the rules, except Garrowin's.
  const bool crossPlatform = (Contains(from, "Windows") && Contains(to, "DOS")) ||
                             (Contains(to, "Windows") && Contains(from, "DOS"));
  if (crossPlatform && !Contains(from, "Garrowin")) return kNotApplicable;
  if (!((Contains(from, "ZEPH") || LastSpacePosition(from) > 0) && LastSpacePosition(to) > 0)) {
    return kNotApplicable;
  }
  if (Contains(to, "DOS") && Contains(from, "DOS Pro ZEPH")) return kNotApplicable;

  if (PackageFamily(from) == PackageFamily(to)) {
    if (MovesToFewerTerminals(from, to)) return kFewerTerminals;
    // Within a family every age pays the same.
    return ScanRows(book.UpgradeTable, from, to, ageBand,
                    [](const auto&, int, int) { return int{kAgeBand0Column}; });
  }

  const bool listedFamily = Contains(from, "PIPWICK") || Contains(from, "Garr") ||
                            Contains(from, "Tess") || Contains(from, "HB") ||
                            Contains(from, "ZEPH");
  if (!listedFamily) return kNotApplicable;
  if (MovesToFewerTerminals(from, to)) return kFewerTerminals;
  if (Contains(to, "DOS")) return ScanRows(book.UpgradeTable, from, to, ageBand, UpgradeColumn);
  return ScanRows(book.CrossGradeTable, from, to, ageBand, CrossGradeColumn);
}

}  // namespace corvane

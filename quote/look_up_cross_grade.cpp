#include "quote/look_up_cross_grade.h"

#include <string>

#include "quote/leading_number.h"
#include "quote/messages.h"
#include "quote/package_name.h"

namespace corvane {
namespace {

using CrossGradeTable = Table2<std::string, 200, 4>;

Money CellPrice(const CrossGradeTable& table, int row, int column) {
  return Money::fromDouble(LeadingNumber(table(row, column)));
}

// Upgrade rows answer every age with their one price unless they carry an age column.
int UpgradeColumn(const CrossGradeTable& table, int row, const QuoteView& view) {
  if (CellPrice(table, row, kAgeBand1Column) == Money()) return kAgeBand0Column;
  if (view.AgeButtonSelected(1)) return kAgeBand1Column;
  if (view.AgeButtonSelected(2)) return kAgeBand2Column;
  return kAgeBand0Column;
}

// Cross-grade rows carry two or three age prices. A row whose price does not depend on age leaves
// the second empty; it then answers with its one price rather than with nothing.
int CrossGradeColumn(const CrossGradeTable& table, int row, const QuoteView& view) {
  if (view.AgeButtonSelected(1)) {
    return table(row, kAgeBand1Column).empty() ? kAgeBand0Column : kAgeBand1Column;
  }
  if (view.AgeButtonSelected(2) && CellPrice(table, row, kAgeBand2Column) != Money()) {
    return kAgeBand2Column;
  }
  return kAgeBand0Column;
}

// Scans rows 0 to one below the upper bound. Every matching row writes the price, so a later
// match overrides an earlier one.
template <typename ChooseColumn>
void ScanRows(const CrossGradeTable& table, const std::string& from, const std::string& to,
              const QuoteView& view, ChooseColumn chooseColumn, Money& price,
              std::int16_t& status) {
  for (int row = 0; row <= table.UpperBound() - 1; ++row) {
    if (table(row, kToColumn) == to && table(row, kFromColumn) == from) {
      price = CellPrice(table, row, chooseColumn(table, row, view));
      status = kLookupFound;
    }
  }
}

// Shows the reduction warning and clears the boxes when the move lowers the terminal count.
bool RefusedAsReduction(const std::string& from, const std::string& to, QuoteView& view) {
  if (!ReducesTerminals(TerminalCount(from), TerminalCount(to))) return false;
  view.ShowWarning(ReductionMessage());
  ClearPriceBoxes(view);
  return true;
}

}  // namespace

void LookUpCrossGrade(const PriceBook& book, QuoteView& view, Money& price, std::int16_t& status) {
  const std::string from = view.FromText();
  const std::string to = view.ToText();

  // Moves between the DOS and Windows lines are priced by the rules, except Garrowin's.
  const bool crossPlatform = (Contains(from, "Windows") && Contains(to, "DOS")) ||
                             (Contains(to, "Windows") && Contains(from, "DOS"));
  if (crossPlatform && !Contains(from, "Garrowin")) {
    status = kLookupNotApplicable;
    return;
  }
  if (!((Contains(from, "ZEPH") || LastSpacePosition(from) > 0) && LastSpacePosition(to) > 0)) {
    status = kLookupNotApplicable;
    return;
  }
  if (Contains(to, "DOS") && Contains(from, "DOS Pro ZEPH")) {
    status = kLookupNotApplicable;
    return;
  }

  if (PackageFamily(from) == PackageFamily(to)) {
    status = kLookupNotListed;
    if (RefusedAsReduction(from, to, view)) {
      status = kLookupRefusedShown;
      return;
    }
    // Within a family every age pays the same.
    ScanRows(
        book.UpgradeTable, from, to, view,
        [](const auto&, int, const auto&) { return int{kAgeBand0Column}; }, price, status);
    return;
  }

  const bool listedFamily = Contains(from, "PIPWICK") || Contains(from, "Garr") ||
                            Contains(from, "Tess") || Contains(from, "HB") ||
                            Contains(from, "ZEPH");
  if (!listedFamily) {
    status = kLookupNotApplicable;
    return;
  }
  status = kLookupNotListed;
  if (RefusedAsReduction(from, to, view)) {
    status = kLookupRefusedShown;
    return;
  }
  if (Contains(to, "DOS")) {
    ScanRows(book.UpgradeTable, from, to, view, UpgradeColumn, price, status);
  } else {
    ScanRows(book.CrossGradeTable, from, to, view, CrossGradeColumn, price, status);
  }
}

}  // namespace corvane

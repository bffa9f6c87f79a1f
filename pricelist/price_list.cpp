#include "pricelist/price_list.h"

#include <exception>
#include <utility>

#include "money/errors.h"
#include "quote/quote.h"

namespace corvane {
namespace {

std::string FirstLine(const std::string& message) {
  return message.substr(0, message.find_first_of("\r\n"));
}

std::vector<std::string> Warnings(const Quote& quote) {
  std::vector<std::string> warnings;
  for (const RefusalStep& step : quote.steps) {
    if (step.action == RefusalStep::Action::Warn) warnings.push_back(step.message);
  }
  return warnings;
}

// The first line of each warning, joined with " | ".
std::string FirstLines(const std::vector<std::string>& warnings) {
  std::string joined;
  for (const std::string& warning : warnings) {
    if (!joined.empty()) joined += " | ";
    joined += FirstLine(warning);
  }
  return joined;
}

// What the price boxes show for the request, or why it was refused. An error that stops the
// quote is a refusal in its own words, never a price.
PriceListRow Row(const PriceBook& book, QuoteRequest request, PriceKind kind, std::string from,
                 std::string to, std::string discount, const Separators& separators) {
  PriceListRow row;
  row.kind = kind;
  row.from = std::move(from);
  row.to = std::move(to);
  row.discount = std::move(discount);
  request.separators = separators;
  try {
    const Quote quote = Price(book, request);
    if (quote.Priced()) {
      row.excludingVat = quote.price.excludingText;
      row.includingVat = quote.price.includingText;
      row.excludingAmount = quote.price.excludingVat;
      row.includingAmount = quote.price.includingVat;
    } else {
      row.warnings = Warnings(quote);
    }
  } catch (const std::exception& error) {
    row.warnings = {DescribeError(error)};
  }
  row.refusal = FirstLines(row.warnings);
  return row;
}

// Calls visit(index, text) for every non-empty entry from start to one below the upper bound, in
// the order the window's lists offer them.
template <typename Table, typename Visit>
void ForEachListed(const Table& table, int start, Visit visit) {
  for (int index = start; index <= table.UpperBound() - 1; ++index) {
    if (!table[index].empty()) visit(static_cast<std::int16_t>(index), table[index]);
  }
}

void AddItemRows(std::vector<PriceListRow>& rows, const PriceBook& book,
                 const Table<std::string, 100>& items, PriceKind kind, QuoteKind quoteKind,
                 const Separators& separators) {
  ForEachListed(items, 1, [&](std::int16_t item, const std::string& text) {
    QuoteRequest request;
    request.kind = quoteKind;
    request.item = item;
    rows.push_back(Row(book, request, kind, text, {}, {}, separators));
  });
}

}  // namespace

std::string_view KindName(PriceKind kind) {
  switch (kind) {
    case PriceKind::New:
      return "new";
    case PriceKind::CrossGrade:
      return "crossgrade";
    case PriceKind::Support:
      return "support";
    case PriceKind::Other:
      return "other";
  }
  return {};
}

std::vector<PriceListRow> BuildPriceList(const PriceBook& book, std::string_view discount,
                                         const Separators& separators) {
  std::vector<PriceListRow> rows;
  std::vector<PriceListRow> crossGradeRows;
  const std::string discountText(discount);

  ForEachListed(book.PackageName, 1, [&](std::int16_t from, const std::string& fromName) {
    QuoteRequest newPackage;
    newPackage.kind = QuoteKind::NewPackage;
    newPackage.fromIndex = from;
    newPackage.discountText = discountText;
    rows.push_back(Row(book, newPackage, PriceKind::New, fromName, {}, discountText, separators));

    // The To list offers the packages after the From package, from position 1 on.
    int position = 0;
    ForEachListed(book.PackageName, from + 1, [&](std::int16_t to, const std::string& toName) {
      QuoteRequest pair;
      pair.kind = QuoteKind::CrossGrade;
      pair.fromText = fromName;
      pair.toText = toName;
      pair.fromIndex = from;
      pair.toIndex = to;
      pair.toListPosition = ++position;
      pair.discountText = discountText;
      crossGradeRows.push_back(
          Row(book, pair, PriceKind::CrossGrade, fromName, toName, discountText, separators));
    });
  });

  rows.insert(rows.end(), crossGradeRows.begin(), crossGradeRows.end());
  AddItemRows(rows, book, book.SupportItem, PriceKind::Support, QuoteKind::Support, separators);
  AddItemRows(rows, book, book.OtherItem, PriceKind::Other, QuoteKind::Other, separators);
  return rows;
}

}  // namespace corvane

#include "pricelist/price_list.h"

#include <exception>
#include <utility>

#include "money/errors.h"
#include "pricebook/listed_entries.h"
#include "quote/messages.h"
#include "quote/quote.h"

namespace corvane {
namespace {

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

void AddItemRows(std::vector<PriceListRow>& rows, const PriceBook& book,
                 const Table<std::string, 100>& items, PriceKind kind, QuoteKind quoteKind,
                 const Separators& separators) {
  ForEachListedEntry(items, 1, [&](int item, const std::string& text) {
    QuoteRequest request;
    request.kind = quoteKind;
    request.item = static_cast<std::int16_t>(item);
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

  ForEachListedEntry(book.PackageName, 1, [&](int fromIndex, const std::string& fromName) {
    const auto from = static_cast<std::int16_t>(fromIndex);
    QuoteRequest newPackage;
    newPackage.kind = QuoteKind::NewPackage;
    newPackage.fromIndex = from;
    newPackage.discountText = discountText;
    rows.push_back(Row(book, newPackage, PriceKind::New, fromName, {}, discountText, separators));

    // The To list offers the packages after the From package, from position 1 on.
    int position = 0;
    ForEachListedEntry(book.PackageName, from + 1, [&](int to, const std::string& toName) {
      QuoteRequest pair;
      pair.kind = QuoteKind::CrossGrade;
      pair.fromText = fromName;
      pair.toText = toName;
      pair.fromIndex = from;
      pair.toIndex = static_cast<std::int16_t>(to);
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

#include "pricelist/price_list.h"

#include <exception>
#include <utility>

#include "money/errors.h"
#include "pricebook/listed_entries.h"
#include "quote/messages.h"
#include "quote/present.h"

namespace corvane {
namespace {

// The first line of each warning, joined with " | ".
std::string FirstLines(const std::vector<std::string>& warnings) {
  std::string joined;
  for (const std::string& warning : warnings) {
    if (!joined.empty()) joined += " | ";
    joined += FirstLine(warning);
  }
  return joined;
}

// What asks for one row's price and how the row names it.
struct RowRequest {
  QuoteRequest request;
  PriceKind kind = PriceKind::New;
  std::string from;
  std::string to;
  std::string discount;
};

// What the price boxes show for the request, or why it was refused. An error that stops the
// quote is a refusal in its own words, never a price.
class RowPricer {
 public:
  RowPricer(const PriceBook& book, const Separators& separators)
      : book_(book), separators_(separators) {}

  PriceListRow operator()(RowRequest asked) const {
    PriceListRow row;
    row.kind = asked.kind;
    row.from = std::move(asked.from);
    row.to = std::move(asked.to);
    row.discount = std::move(asked.discount);
    try {
      const Quote quote = Price(book_, asked.request);
      const Presentation shown = Present(quote, separators_, book_.vendorPhone);
      if (quote.Priced()) {
        row.excludingVat = shown.price.excludingText;
        row.includingVat = shown.price.includingText;
        row.excludingAmount = shown.price.excludingVat;
        row.includingAmount = shown.price.includingVat;
      } else {
        row.warnings = shown.Warnings();
        row.reasons = quote.reasons;
      }
    } catch (const std::exception& error) {
      row.warnings = {DescribeError(error)};
    }
    row.refusal = FirstLines(row.warnings);
    return row;
  }

 private:
  const PriceBook& book_;
  const Separators& separators_;
};

void AddItemRows(std::vector<PriceListRow>& rows, const RowPricer& price,
                 const Table<std::string, 100>& items, PriceKind kind, QuoteKind quoteKind) {
  ForEachListedEntry(items, 1, [&](int item, const std::string& text) {
    QuoteRequest request;
    request.kind = quoteKind;
    request.item = item;
    rows.push_back(price({request, kind, text, {}, {}}));
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
  const RowPricer price(book, separators);
  const Discount dealerDiscount = ReadDiscount(discount);
  std::vector<PriceListRow> rows;
  std::vector<PriceListRow> crossGradeRows;

  ForEachListedEntry(book.PackageName, 1, [&](int from, const std::string& fromName) {
    QuoteRequest newPackage;
    newPackage.kind = QuoteKind::NewPackage;
    newPackage.from = from;
    newPackage.discount = dealerDiscount;
    rows.push_back(price({newPackage, PriceKind::New, fromName, {}, dealerDiscount.written}));

    ForEachListedEntry(book.PackageName, from + 1, [&](int to, const std::string& toName) {
      QuoteRequest pair;
      pair.kind = QuoteKind::CrossGrade;
      pair.from = from;
      pair.to = to;
      pair.discount = dealerDiscount;
      crossGradeRows.push_back(
          price({pair, PriceKind::CrossGrade, fromName, toName, dealerDiscount.written}));
    });
  });

  rows.insert(rows.end(), crossGradeRows.begin(), crossGradeRows.end());
  AddItemRows(rows, price, book.SupportItem, PriceKind::Support, QuoteKind::Support);
  AddItemRows(rows, price, book.OtherItem, PriceKind::Other, QuoteKind::Other);
  return rows;
}

}  // namespace corvane

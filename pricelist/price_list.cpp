#include "pricelist/price_list.h"

#include <array>
#include <cstddef>
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

// The refusals that belong to the move itself, whatever the discount: the window never prices
// such a move, so a list that holds only what has a price leaves it out. In the order the note
// names them, each with the moves it refuses.
struct MoveRefusal {
  Refusal reason;
  std::string_view moves;
};
constexpr std::array<MoveRefusal, 4> kMoveRefusals{{
    {Refusal::SamePackage, "to the same package"},
    {Refusal::ToPipwick, "to PIPWICK"},
    {Refusal::FewerTerminals, "to fewer terminals"},
    {Refusal::NotInDatabase, "pairs the price tables hold no price for"},
}};
static_assert(kMoveRefusals.size() == 4, "every refusal but the discount's is the move's");

// The position in kMoveRefusals of the first of the reasons that refuses the move itself, or
// kMoveRefusals.size() for none.
std::size_t FirstMoveRefusal(const std::vector<Refusal>& reasons) {
  for (Refusal reason : reasons) {
    for (std::size_t i = 0; i < kMoveRefusals.size(); ++i) {
      if (kMoveRefusals[i].reason == reason) return i;
    }
  }
  return kMoveRefusals.size();
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

PriceList BuildPriceList(const PriceBook& book, std::string_view discount,
                         const Separators& separators, Moves moves) {
  const RowPricer price(book, separators);
  const Discount dealerDiscount = ReadDiscount(discount);
  PriceList list;
  // A book that names no currency prices in rand, as the quote sheet says too.
  list.title = PriceListTitle{
      {}, book.effectiveDate, book.currency.value_or("ZAR"), book.vat, std::string(discount)};
  list.vendorPhone = book.vendorPhone;
  list.separators = separators;
  std::vector<PriceListRow>& rows = list.rows;
  std::vector<PriceListRow> crossGradeRows;
  std::array<int, kMoveRefusals.size()> leftOut{};

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
      PriceListRow row =
          price({pair, PriceKind::CrossGrade, fromName, toName, dealerDiscount.written});
      const std::size_t refusedFor = FirstMoveRefusal(row.reasons);
      if (moves == Moves::Priced && refusedFor < kMoveRefusals.size()) {
        ++leftOut[refusedFor];
      } else {
        crossGradeRows.push_back(std::move(row));
      }
    });
  });

  rows.insert(rows.end(), crossGradeRows.begin(), crossGradeRows.end());
  AddItemRows(rows, price, book.SupportItem, PriceKind::Support, QuoteKind::Support);
  AddItemRows(rows, price, book.OtherItem, PriceKind::Other, QuoteKind::Other);
  for (std::size_t i = 0; i < kMoveRefusals.size(); ++i) {
    if (leftOut[i] > 0) list.leftOut.push_back({kMoveRefusals[i].reason, leftOut[i]});
  }
  return list;
}

std::string LeftOutNote(const PriceList& list) {
  if (list.leftOut.empty()) return {};
  int count = 0;
  std::string why;
  for (const LeftOutMoves& left : list.leftOut) {
    count += left.count;
    for (const MoveRefusal& refusal : kMoveRefusals) {
      if (refusal.reason != left.reason) continue;
      if (!why.empty()) why += "; ";
      why += std::string(refusal.moves) + " (" + std::to_string(left.count) + "): \"" +
             std::string(FirstLine(WarningText(left.reason, list.vendorPhone))) + "\"";
    }
  }
  return std::to_string(count) + (count == 1 ? " cross-grade is" : " cross-grades are") +
         " not listed, because the calculator never prices " + (count == 1 ? "it" : "them") + ": " +
         why + ". Ask Corvane on " + list.vendorPhone + " about a move not listed.";
}

std::string TitleText(const PriceListTitle& title) {
  std::string text = "Corvane Price List";
  if (!title.dealer.empty()) text += " - " + title.dealer;
  return text;
}

std::string TermsText(const PriceList& list) {
  const PriceListTitle& title = list.title;
  std::string rate = VatPercentText(title.vat);
  if (const std::size_t point = rate.find('.'); point != std::string::npos) {
    rate.replace(point, 1, list.separators.decimal);
  }
  return "Prices effective " + LongDate(title.effective) + ", in " + title.currency + ", VAT " +
         rate + "%. Dealer discount on new packages and cross-grades: " + title.discount;
}

}  // namespace corvane

// Pricing a quote's lines again with another book: changed prices are noted, lines the book
// cannot price keep theirs and are named in one message.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "sheet/quote_sheet.h"
#include "sheet/repricing_text.h"

namespace corvane {
namespace {

QuoteRequest NewPackage(int from) {
  QuoteRequest request;
  request.kind = QuoteKind::NewPackage;
  request.from = from;
  return request;
}

int IndexOf(const PriceBook& book, const std::string& name) {
  for (int i = 1; i <= book.PackageName.UpperBound(); ++i) {
    if (book.PackageName[i] == name) return i;
  }
  return 0;
}

// Takes the pair off every row of the table that lists it.
void Unlist(PriceBook& book, const std::string& from, const std::string& to) {
  for (int r = 0; r < book.CrossGradeTable.UpperBound(); ++r) {
    if (book.CrossGradeTable(r, kFromColumn) == from && book.CrossGradeTable(r, kToColumn) == to) {
      book.CrossGradeTable.Set(r, kFromColumn, "");
    }
  }
}

// A cross-grade the book prices from its table and refuses once the table no longer lists it;
// found by the test, not assumed.
std::optional<QuoteRequest> ListedCrossGrade(const PriceBook& book) {
  for (int row = 0; row < book.CrossGradeTable.UpperBound(); ++row) {
    QuoteRequest request;
    request.from = IndexOf(book, book.CrossGradeTable(row, kFromColumn));
    request.to = IndexOf(book, book.CrossGradeTable(row, kToColumn));
    if (request.from == 0 || *request.to == 0 || !Price(book, request).Priced()) continue;
    auto unlisted = std::make_unique<PriceBook>(book);
    Unlist(*unlisted, book.PackageName[request.from], book.PackageName[*request.to]);
    if (!Price(*unlisted, request).Priced()) return request;
  }
  return std::nullopt;
}

TEST(Repricing, NotesNewPricesAndKeepsWhatTheBookCannotPrice) {
  const auto before = std::make_unique<PriceBook>(FillPriceBook());
  const auto after = std::make_unique<PriceBook>(*before);
  after->vat = VatRate{1500};
  after->effectiveDate = EffectiveDate{2026, 3, 1};

  const auto crossGrade = ListedCrossGrade(*before);
  ASSERT_TRUE(crossGrade);
  const QuoteRequest move = *crossGrade;
  // Two other packages the book lists at a price.
  const auto another = [&](int other) {
    int i = 1;
    while (i == move.from || i == *move.to || i == other || before->PackageName[i].empty() ||
           before->PackagePrice[i] == Money()) {
      ++i;
    }
    return i;
  };
  const int changed = another(0);
  const int dropped = another(changed);

  QuoteSheet sheet;
  sheet.Add(*before, NewPackage(changed));
  sheet.Add(*before, NewPackage(dropped));
  sheet.Add(*before, move);
  sheet.SetQuantity(0, 3);
  const std::vector<QuoteLine> lines = sheet.Lines();
  const std::string droppedName = before->PackageName[dropped];

  // The new book asks more for one package, lists another no more and no longer lists the move.
  after->PackagePrice.Set(changed, before->PackagePrice[changed] + Money::fromInt16(100));
  after->PackageName.Set(dropped, "");
  Unlist(*after, before->PackageName[move.from], before->PackageName[*move.to]);
  ASSERT_FALSE(Price(*after, move).Priced());

  EXPECT_EQ(sheet.LinesPricedElsewhere(*after), 3u);
  EXPECT_EQ(RepriceQuestion(3, IdentityOf(*after)),
            "Re-price the 3 lines at Corvane (1 March 2026)'s prices, or keep the prices they were "
            "given?");
  const Repricing repricing = sheet.Reprice(*after);
  EXPECT_EQ(repricing.repriced, std::vector<std::size_t>{0});
  EXPECT_EQ(repricing.kept, (std::vector<std::size_t>{1, 2}));

  const QuoteLine& repriced = sheet.Lines()[0];
  EXPECT_EQ(repriced.unitPrice, lines[0].unitPrice + Money::fromInt16(100));
  EXPECT_EQ(repriced.earlierUnitPrice, lines[0].unitPrice);
  EXPECT_EQ(repriced.vat, VatRate{1500});
  EXPECT_EQ(repriced.quantity, 3);
  EXPECT_EQ(repriced.book, IdentityOf(*after));
  for (const std::size_t kept : {1U, 2U}) {
    QuoteLine expected = lines[kept];
    expected.keptPrice = true;
    EXPECT_EQ(sheet.Lines()[kept], expected);
  }
  ASSERT_EQ(sheet.Totals().rates.size(), 2u);  // the kept lines stay at 14 %

  const std::string message = KeptPricesMessage(repricing, sheet.Lines());
  EXPECT_EQ(message,
            "Corvane (1 March 2026) cannot price 2 lines, which keep the prices they "
            "were given:\nNew package " +
                droppedName + "\n" + lines[2].description);

  // Priced again by the first book, every line is back at its price.
  const Repricing back = sheet.Reprice(*before);
  EXPECT_EQ(sheet.Lines()[0].unitPrice, lines[0].unitPrice);
  EXPECT_EQ(sheet.Lines()[1].keptPrice, false);
  EXPECT_TRUE(back.kept.empty());
  EXPECT_EQ(KeptPricesMessage(back, sheet.Lines()), "");
}

TEST(Repricing, ALineThatNeverSaidWhatItPricesKeepsItsPrice) {
  Quotation old;
  QuoteLine line;
  line.description = "Cross-grade from Windows HB 1 to Windows HB 3, discount 10%";
  line.unitPrice = Money::fromInt16(1000);
  line.amounts = {Money::fromInt16(1000), Money::fromInt16(140), Money::fromInt16(1140)};
  old.lines = {line};
  old.number = "Q-2012-0001";
  QuoteSheet sheet;
  sheet.Open(old);
  // A quantity changed after a 15 % book is in use stays at the line's 14 %: 1,140.00 a unit.
  sheet.SetQuantity(0, 2);
  EXPECT_EQ(sheet.Lines()[0].amounts.includingVat, Money::fromInt16(2280));
  const Repricing repricing = sheet.Reprice(FillPriceBook());
  EXPECT_EQ(repricing.kept, std::vector<std::size_t>{0});
  EXPECT_TRUE(sheet.Lines()[0].keptPrice);
  EXPECT_EQ(sheet.Lines()[0].unitPrice, Money::fromInt16(1000));
}

}  // namespace
}  // namespace corvane

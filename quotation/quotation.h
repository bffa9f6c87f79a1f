// The quotation as a value: who quotes, to whom, its number, revision, status and dates, and its
// lines, each knowing what priced it. What the sheet edits, the documents print and the register
// keeps; every text is made from it only when shown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "money/money.h"
#include "money/vat.h"
#include "quotation/dealer_details.h"
#include "quotation/quote_date.h"
#include "quote/quote.h"

namespace corvane {

//! The price book that priced a line: the vendor's name and the date its prices take effect.
struct BookIdentity {
  std::string vendor;
  QuoteDate effective{};

  friend bool operator==(const BookIdentity&, const BookIdentity&) = default;
};

//! What a line is the price of, in the terms of the catalogue: packages and items by their names,
//! which stay the same from one book to the next where catalogue indexes need not.
struct LineSubject {
  QuoteKind kind = QuoteKind::CrossGrade;
  std::string from;  //!< the From package (cross-grade, new package)
  std::string to;    //!< the To package (cross-grade)
  std::string item;  //!< the support contract's or other item's text as the book names it
  int ageBand = 0;

  friend bool operator==(const LineSubject&, const LineSubject&) = default;
};

//! A discount as a number: 12.5 % is 125'000 ten-thousandths of a percent.
struct DiscountPercent {
  std::int64_t tenThousandths = 0;

  friend bool operator==(DiscountPercent, DiscountPercent) = default;
};

//! Whether a line's unit price is quoted excluding VAT (VAT is added to the line's amount) or
//! including it (the price the customer pays per unit; the VAT is taken out of the line's amount).
enum class PriceBasis : std::uint8_t { ExcludingVat, IncludingVat };

//! A line's three amounts, each to the cent; excluding + vat == including always.
struct LineAmounts {
  Money excludingVat;
  Money vat;
  Money includingVat;

  friend bool operator==(const LineAmounts&, const LineAmounts&) = default;
};

struct QuoteLine {
  std::string description;  //!< what it is, without the discount: "New package Windows HB 1"
  //! None for a line kept by a release whose register did not know what a line priced.
  std::optional<LineSubject> subject;
  BookIdentity book;
  VatRate vat;
  Money listPrice;  //!< excluding VAT, before the discount, as the book gives it
  std::optional<DiscountPercent> discount;
  PriceBasis basis = PriceBasis::ExcludingVat;
  Money unitPrice;  //!< to the cent, in the line's basis: what the document prints per unit
  std::int16_t quantity = 1;
  LineAmounts amounts;  //!< quantity times the unit price, with the VAT, by LineAmountsOf
  //! The unit price before another book priced the line again, while it differs.
  std::optional<Money> earlierUnitPrice;
  //! Another book in use could not price the line (package gone, move refused): it keeps the
  //! price it was given.
  bool keptPrice = false;

  friend bool operator==(const QuoteLine&, const QuoteLine&) = default;
};

//! One row of the VAT summary: the lines at one rate.
struct VatRow {
  VatRate rate;
  Money base;  //!< the lines' amounts excluding VAT
  Money vat;   //!< the lines' VAT
  Money including;

  friend bool operator==(const VatRow&, const VatRow&) = default;
};

struct QuotationTotals {
  std::vector<VatRow> rates;  //!< one row per rate present, lowest rate first
  Money excludingVat;
  Money vat;
  Money includingVat;  //!< excludingVat + vat

  friend bool operator==(const QuotationTotals&, const QuotationTotals&) = default;
};

//! Who the quotation is for.
struct Customer {
  std::string company;
  std::string contact;
  std::string address;  //!< one line of the address to a line of text
  std::string vatNumber;
  std::string email;
  std::string telephone;

  bool Empty() const { return company.empty(); }
  friend bool operator==(const Customer&, const Customer&) = default;
};

//! What a quotation's life has come to. Expired is not kept: it is a Sent quotation whose
//! validity date has passed (see ShownStatus).
enum class QuoteStatus : std::uint8_t { Draft, Sent, Accepted, Declined, Expired };

struct Quotation {
  std::string number;  //!< the base number, "Q-2026-0007"; empty until the register numbers it
  int revision = 1;    //!< 1 for the quotation first sent under the number, then 2, 3, ...
  QuoteStatus status = QuoteStatus::Draft;  //!< Draft, Sent, Accepted or Declined
  std::optional<QuoteDate> statusDate;      //!< the day it was sent, accepted or declined
  QuoteDate date{};
  QuoteDate validUntil{};
  Customer customer;
  std::string reference;
  DealerDetails dealer;  //!< as printed on it
  std::string currency;  //!< the price book's: "ZAR" for the built-in book
  std::vector<QuoteLine> lines;
  QuotationTotals totals;  //!< TotalsOf(lines), kept so that a stored quotation can be checked

  friend bool operator==(const Quotation&, const Quotation&) = default;
};

}  // namespace corvane

// The one rounding rule of a quotation: how a line's unit price, amounts and VAT, and the VAT
// summary per rate, follow from the prices the quote function gives. Exact, in Money, with no
// floating point.
#pragma once

#include <vector>

#include "money/money.h"
#include "money/vat.h"
#include "quotation/quotation.h"

namespace corvane {

//! The amount to the cent, exact halves to even.
Money CentsHalfEven(Money amount);

//! The VAT on an amount excluding VAT: amount x rate, to the cent, halves to even.
Money VatOnExcluding(Money excludingVat, VatRate rate);
//! The VAT within an amount including VAT: amount x rate / (100 % + rate), to the cent, halves
//! to even.
Money VatWithinIncluding(Money includingVat, VatRate rate);

struct UnitPrice {
  PriceBasis basis = PriceBasis::ExcludingVat;
  Money amount;  //!< to the cent
};

//! The unit price a line is quoted at, from the exact price excluding VAT the quote function
//! gave. A price in whole cents is quoted excluding VAT. One with fractions of a cent is a price
//! the book set including VAT and took back to the amount excluding it: it is quoted including
//! VAT, at the amount the window shows, so that the customer pays that price per unit.
UnitPrice QuotedUnitPrice(Money exactExcludingVat, VatRate rate);

//! A line's amounts: quantity x the unit price in its basis, exactly; the VAT on that (or within
//! it), rounded once for the line; the other basis as the sum or difference. Throws OverflowError
//! when an amount leaves Money's range.
LineAmounts LineAmountsOf(UnitPrice unit, int quantity, VatRate rate);

//! The VAT summary and totals of the lines: per rate the sums of its lines' amounts.
QuotationTotals TotalsOf(const std::vector<QuoteLine>& lines);

}  // namespace corvane

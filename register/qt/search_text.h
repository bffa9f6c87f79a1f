// What a search matches against: texts folded for case and accents ("Ångström" reads
// "angstrom"), a quotation's number in its full and its short form ("q-2026-0007 q-2026-7"), its
// customer, reference, what its lines price and its amounts.
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "quotation/quotation.h"

namespace corvane {

//! The text without accents and case: decomposed, combining marks dropped, case folded.
QString Folded(const QString& text);
std::string Folded(std::string_view text);

//! Everything a search finds the quotation by, folded, one space between the parts.
std::string SearchText(const Quotation& quotation);
//! A customer's company, contact and e-mail, folded.
std::string SearchText(const Customer& customer);

}  // namespace corvane

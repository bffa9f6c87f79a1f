// The package catalogue: every package the dealer can sell or trade into, in catalogue order.
#pragma once

#include <array>
#include <string_view>

#include "money/money.h"

namespace corvane {

struct CatalogueEntry {
  std::string_view name;
  Money price;  // the new-package price, excluding VAT
};

//! The catalogue index of the first entry; the others follow at consecutive indexes.
inline constexpr int kFirstPackageIndex = 2;

inline constexpr auto kCatalogue = std::to_array<CatalogueEntry>({
    {"Windows PIPWICK", Money::fromDecimal("788.60")},                  // 2
    {"Windows ZEPH (Strovane)", Money::fromDecimal("2200.00")},         // 3
    {"Windows HB 1", Money::fromDecimal("4200.00")},                    // 4
    {"Windows HB 2", Money::fromDecimal("4900.00")},                    // 5
    {"Windows HB 3", Money::fromDecimal("5600.00")},                    // 6
    {"Windows HB 4", Money::fromDecimal("6300.00")},                    // 7
    {"Windows HB 5", Money::fromDecimal("7000.00")},                    // 8
    {"Windows Tessaline 1", Money::fromDecimal("6500.00")},             // 9
    {"Windows Tessaline 2", Money::fromDecimal("7400.00")},             // 10
    {"Windows Tessaline 3", Money::fromDecimal("8300.00")},             // 11
    {"Windows Tessaline 4", Money::fromDecimal("9200.00")},             // 12
    {"Windows Tessaline 5", Money::fromDecimal("10100.00")},            // 13
    {"Windows Tessaline 9", Money::fromDecimal("13700.00")},            // 14
    {"Windows Tessaline 14", Money::fromDecimal("18200.00")},           // 15
    {"Windows Tessaline 19", Money::fromDecimal("25000.00")},           // 16
    {"Windows Dravon Builder 24", Money::fromDecimal("39000.00")},      // 17
    {"Windows Dravon Builder 29", Money::fromDecimal("45000.00")},      // 18
    {"Windows Dravon Builder 49", Money::fromDecimal("65000.00")},      // 19
    {"Windows Dravon Builder 99", Money::fromDecimal("155000.00")},     // 20
    {"Windows Dravon Builder 140", Money::fromDecimal("220000.00")},    // 21
    {"Windows Garrowin Manager", Money::fromDecimal("3000.00")},        // 22
    {"Windows Tollbane Manager", Money::fromDecimal("2500.00")},        // 23
    {"Quaymart Manager AddOn", Money::fromDecimal("5000.00")},          // 24
    {"SMS Manager AddOn", Money::fromDecimal("1800.00")},               // 25
    {"VAULTA Manager AddOn", Money::fromDecimal("3000.00")},            // 26
    {"VAULTA Manager Stand-Alone", Money::fromDecimal("3000.00")},      // 27
    {"POD Manager AddOn", Money::fromDecimal("850.00")},                // 28
    {"Assembly Invoice module AddOn", Money::fromDecimal("1500.00")},   // 29
    {"Medical Statement module AddOn", Money::fromDecimal("1500.00")},  // 30
    {"Remote Invoice module AddOn", Money::fromDecimal("1500.00")},     // 31
    {"Warranty Rotavex module AddOn", Money::fromDecimal("2500.00")},   // 32
});

static_assert(kCatalogue.size() == 31, "the catalogue holds 31 packages, indexes 2..32");

}  // namespace corvane

// Other items: multi-warehouse licences, stationery and services.
#pragma once

#include <array>

#include "pricebook/listed_item.h"

namespace corvane {

// Indexes 1..22 (the comment gives the index).
inline constexpr auto kOtherItems = std::to_array<ListedItem>({
    {"Multi-Warehouse - Win.Tessaline 1 User", Money::fromDecimal("3000.00")},             // 1
    {"Multi-Warehouse - Win.Tessaline 2 User", Money::fromDecimal("3500.00")},             // 2
    {"Multi-Warehouse - Win.Tessaline 3 User", Money::fromDecimal("4000.00")},             // 3
    {"Multi-Warehouse - Win.Tessaline 4 User", Money::fromDecimal("4500.00")},             // 4
    {"Multi-Warehouse - Win.Tessaline 5 User", Money::fromDecimal("5000.00")},             // 5
    {"Multi-Warehouse - Win.Tessaline 9 User", Money::fromDecimal("6000.00")},             // 6
    {"Multi-Warehouse - Win.Tessaline 14 User", Money::fromDecimal("7000.00")},            // 7
    {"Multi-Warehouse - Win.Tessaline 19 User", Money::fromDecimal("8500.00")},            // 8
    {"19 Warehouses - 24 User Dravon Builder", Money::fromDecimal("12000.00")},            // 9
    {"19 Warehouses - 29 User Dravon Builder", Money::fromDecimal("14500.00")},            // 10
    {"19 Warehouses - 49 User Dravon Builder", Money::fromDecimal("24500.00")},            // 11
    {"19 Warehouses - 99 User Dravon Builder", Money::fromDecimal("49500.00")},            // 12
    {"19 Warehouses - 140 User Dravon Builder", Money::fromDecimal("70000.00")},           // 13
    {"Invoice Paper (A4 - 3 part 750/Box)", Money::fromDecimal("550.00")},                 // 14
    {"Invoice Paper (A4 - 2 part 1000/Box)", Money::fromDecimal("490.00")},                // 15
    {"Invoice Paper (A5 - POS - 2 part 1000/Box)", Money::fromDecimal("375.00")},          // 16
    {"Statement Paper + Remit. (2 part: 1000/Box)", Money::fromDecimal("480.00")},         // 17
    {"Statement Paper NO Remit. (2 part: 1000/Box)", Money::fromDecimal("440.00")},        // 18
    {"New/Amend Company Registration No's (no contract)", Money::fromDecimal("100.00")},   // 19
    {"Customised Inv/Stmt layouts (Dot Matrix)", Money::fromDecimal("300.00")},            // 20
    {"Customised Inv/Stmt layouts (Letter Quality)", Money::fromDecimal("600.00")},        // 21
    {"Convert Foreign Data files to Corvane (per ledger)", Money::fromDecimal("900.00")},  // 22
});

static_assert(kOtherItems.size() == 22, "the other-item list holds indexes 1..22");

}  // namespace corvane

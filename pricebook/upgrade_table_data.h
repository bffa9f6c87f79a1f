// UpgradeTable: moves up one line of packages, each with a single price.
#pragma once

#include <array>

#include "pricebook/price_row.h"

namespace corvane {

// Rows 1..83 in row order (the comment gives the row). Rows 1..82 have a column-2 price only;
// the DOS row 83 repeats its price in all three price columns.
//
// The Dravon tier is named here exactly as in the catalogue ("Windows Dravon Builder 24" and so
// on), so that moves into and within the tier are found for the packages the window offers.
inline constexpr auto kUpgradeRows = std::to_array<PriceRow>({
    {"Windows HB 1", "Windows HB 2", "900", "", ""},                                        // 1
    {"Windows HB 1", "Windows HB 3", "1600", "", ""},                                       // 2
    {"Windows HB 1", "Windows HB 4", "2300", "", ""},                                       // 3
    {"Windows HB 1", "Windows HB 5", "3000", "", ""},                                       // 4
    {"Windows HB 2", "Windows HB 3", "900", "", ""},                                        // 5
    {"Windows HB 2", "Windows HB 4", "1600", "", ""},                                       // 6
    {"Windows HB 2", "Windows HB 5", "2300", "", ""},                                       // 7
    {"Windows HB 3", "Windows HB 4", "900", "", ""},                                        // 8
    {"Windows HB 3", "Windows HB 5", "1600", "", ""},                                       // 9
    {"Windows HB 4", "Windows HB 5", "900", "", ""},                                        // 10
    {"Windows Tessaline 1", "Windows Tessaline 2", "900", "", ""},                          // 11
    {"Windows Tessaline 1", "Windows Tessaline 3", "1600", "", ""},                         // 12
    {"Windows Tessaline 1", "Windows Tessaline 4", "2300", "", ""},                         // 13
    {"Windows Tessaline 1", "Windows Tessaline 5", "3000", "", ""},                         // 14
    {"Windows Tessaline 1", "Windows Tessaline 9", "6000", "", ""},                         // 15
    {"Windows Tessaline 1", "Windows Tessaline 14", "10000", "", ""},                       // 16
    {"Windows Tessaline 1", "Windows Tessaline 19", "16000", "", ""},                       // 17
    {"Windows Tessaline 1", "Windows Dravon Builder 24", "32500", "", ""},                  // 18
    {"Windows Tessaline 1", "Windows Dravon Builder 29", "38500", "", ""},                  // 19
    {"Windows Tessaline 1", "Windows Dravon Builder 49", "48000", "", ""},                  // 20
    {"Windows Tessaline 1", "Windows Dravon Builder 99", "80000", "", ""},                  // 21
    {"Windows Tessaline 2", "Windows Tessaline 3", "900", "", ""},                          // 22
    {"Windows Tessaline 2", "Windows Tessaline 4", "1600", "", ""},                         // 23
    {"Windows Tessaline 2", "Windows Tessaline 5", "2300", "", ""},                         // 24
    {"Windows Tessaline 2", "Windows Tessaline 9", "5500", "", ""},                         // 25
    {"Windows Tessaline 2", "Windows Tessaline 14", "9500", "", ""},                        // 26
    {"Windows Tessaline 2", "Windows Tessaline 19", "15000", "", ""},                       // 27
    {"Windows Tessaline 2", "Windows Dravon Builder 24", "37600", "", ""},                  // 28
    {"Windows Tessaline 2", "Windows Dravon Builder 29", "32000", "", ""},                  // 29
    {"Windows Tessaline 2", "Windows Dravon Builder 49", "46000", "", ""},                  // 30
    {"Windows Tessaline 2", "Windows Dravon Builder 99", "77000", "", ""},                  // 31
    {"Windows Tessaline 3", "Windows Tessaline 4", "900", "", ""},                          // 32
    {"Windows Tessaline 3", "Windows Tessaline 5", "1600", "", ""},                         // 33
    {"Windows Tessaline 3", "Windows Tessaline 9", "5000", "", ""},                         // 34
    {"Windows Tessaline 3", "Windows Tessaline 14", "8800", "", ""},                        // 35
    {"Windows Tessaline 3", "Windows Tessaline 19", "14500", "", ""},                       // 36
    {"Windows Tessaline 3", "Windows Dravon Builder 24", "30700", "", ""},                  // 37
    {"Windows Tessaline 3", "Windows Dravon Builder 29", "36700", "", ""},                  // 38
    {"Windows Tessaline 3", "Windows Dravon Builder 49", "44000", "", ""},                  // 39
    {"Windows Tessaline 3", "Windows Dravon Builder 99", "75000", "", ""},                  // 40
    {"Windows Tessaline 4", "Windows Tessaline 5", "900", "", ""},                          // 41
    {"Windows Tessaline 4", "Windows Tessaline 9", "4500", "", ""},                         // 42
    {"Windows Tessaline 4", "Windows Tessaline 14", "7800", "", ""},                        // 43
    {"Windows Tessaline 4", "Windows Tessaline 19", "13500", "", ""},                       // 44
    {"Windows Tessaline 4", "Windows Dravon Builder 24", "29800", "", ""},                  // 45
    {"Windows Tessaline 4", "Windows Dravon Builder 29", "35800", "", ""},                  // 46
    {"Windows Tessaline 4", "Windows Dravon Builder 49", "42000", "", ""},                  // 47
    {"Windows Tessaline 4", "Windows Dravon Builder 99", "73000", "", ""},                  // 48
    {"Windows Tessaline 5", "Windows Tessaline 9", "3500", "", ""},                         // 49
    {"Windows Tessaline 5", "Windows Tessaline 14", "6800", "", ""},                        // 50
    {"Windows Tessaline 5", "Windows Tessaline 19", "12500", "", ""},                       // 51
    {"Windows Tessaline 5", "Windows Dravon Builder 24", "28900", "", ""},                  // 52
    {"Windows Tessaline 5", "Windows Dravon Builder 29", "34900", "", ""},                  // 53
    {"Windows Tessaline 5", "Windows Dravon Builder 49", "40000", "", ""},                  // 54
    {"Windows Tessaline 5", "Windows Dravon Builder 99", "71000", "", ""},                  // 55
    {"Windows Tessaline 9", "Windows Tessaline 14", "4500", "", ""},                        // 56
    {"Windows Tessaline 9", "Windows Tessaline 19", "11000", "", ""},                       // 57
    {"Windows Tessaline 9", "Windows Dravon Builder 24", "25300", "", ""},                  // 58
    {"Windows Tessaline 9", "Windows Dravon Builder 29", "31300", "", ""},                  // 59
    {"Windows Tessaline 9", "Windows Dravon Builder 49", "38000", "", ""},                  // 60
    {"Windows Tessaline 9", "Windows Dravon Builder 99", "70000", "", ""},                  // 61
    {"Windows Tessaline 14", "Windows Tessaline 19", "5500", "", ""},                       // 62
    {"Windows Tessaline 14", "Windows Dravon Builder 24", "20800", "", ""},                 // 63
    {"Windows Tessaline 14", "Windows Dravon Builder 29", "26800", "", ""},                 // 64
    {"Windows Tessaline 14", "Windows Dravon Builder 49", "36000", "", ""},                 // 65
    {"Windows Tessaline 14", "Windows Dravon Builder 99", "68000", "", ""},                 // 66
    {"Windows Tessaline 14", "Windows Dravon Builder 140", "110000", "", ""},               // 67
    {"Windows Tessaline 19", "Windows Dravon Builder 24", "14000", "", ""},                 // 68
    {"Windows Tessaline 19", "Windows Dravon Builder 29", "20000", "", ""},                 // 69
    {"Windows Tessaline 19", "Windows Dravon Builder 49", "34000", "", ""},                 // 70
    {"Windows Tessaline 19", "Windows Dravon Builder 99", "64000", "", ""},                 // 71
    {"Windows Tessaline 19", "Windows Dravon Builder 140", "99000", "", ""},                // 72
    {"Windows Dravon Builder 24", "Windows Dravon Builder 29", "6000", "", ""},             // 73
    {"Windows Dravon Builder 24", "Windows Dravon Builder 49", "26000", "", ""},            // 74
    {"Windows Dravon Builder 24", "Windows Dravon Builder 99", "116000", "", ""},           // 75
    {"Windows Dravon Builder 24", "Windows Dravon Builder 140", "181000", "", ""},          // 76
    {"Windows Dravon Builder 29", "Windows Dravon Builder 49", "20000", "", ""},            // 77
    {"Windows Dravon Builder 29", "Windows Dravon Builder 99", "110000", "", ""},           // 78
    {"Windows Dravon Builder 29", "Windows Dravon Builder 140", "175000", "", ""},          // 79
    {"Windows Dravon Builder 49", "Windows Dravon Builder 99", "148500", "", ""},           // 80
    {"Windows Dravon Builder 49", "Windows Dravon Builder 140", "155000", "", ""},          // 81
    {"Windows Dravon Builder 99", "Windows Dravon Builder 140", "50000", "", ""},           // 82
    {"DOS CorvPLUS Garrowin Manager", "DOS PRO Garrowin Manager", "2500", "2500", "2500"},  // 83
});

//! The table row of kUpgradeRows[0]; row 0 stays empty.
inline constexpr int kFirstUpgradeRow = 1;

static_assert(kUpgradeRows.size() == 83, "UpgradeTable holds rows 1..83");
static_assert(RowsAreWellFormed(kUpgradeRows),
              "a row lacks a name or a price, or has a malformed price");

}  // namespace corvane

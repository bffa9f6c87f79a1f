// CrossGradeTable: moves from one package family into another, priced by the age of the
// traded-in package.
#pragma once

#include <array>

#include "pricebook/price_row.h"

namespace corvane {

// Rows 0..59 in row order (the comment gives the row). Rows 43..46, from the DOS packages, have
// all three price columns; the others have columns 2 and 3. Rows 60..141 repeat UpgradeTable
// rows 1..82 and are written from kUpgradeRows at start-up.
inline constexpr auto kCrossGradeRows = std::to_array<PriceRow>({
    {"Windows ZEPH (Strovane)", "Windows HB 1", "3300", "3000", ""},                        // 0
    {"Windows ZEPH (Strovane)", "Windows HB 2", "4000", "3700", ""},                        // 1
    {"Windows ZEPH (Strovane)", "Windows HB 3", "4700", "4400", ""},                        // 2
    {"Windows ZEPH (Strovane)", "Windows HB 4", "5400", "5100", ""},                        // 3
    {"Windows ZEPH (Strovane)", "Windows HB 5", "6000", "5700", ""},                        // 4
    {"Windows ZEPH (Strovane)", "Windows Tessaline 1", "5500", "5200", ""},                 // 5
    {"Windows ZEPH (Strovane)", "Windows Tessaline 2", "6200", "5900", ""},                 // 6
    {"Windows ZEPH (Strovane)", "Windows Tessaline 3", "6900", "6600", ""},                 // 7
    {"Windows ZEPH (Strovane)", "Windows Tessaline 4", "7600", "7300", ""},                 // 8
    {"Windows ZEPH (Strovane)", "Windows Tessaline 5", "8300", "8000", ""},                 // 9
    {"Windows ZEPH (Strovane)", "Windows Tessaline 9", "11400", "11000", ""},               // 10
    {"Windows ZEPH (Strovane)", "Windows Tessaline 14", "14900", "14400", ""},              // 11
    {"Windows HB 1", "Windows Tessaline 1", "5100", "4800", ""},                            // 12
    {"Windows HB 1", "Windows Tessaline 2", "5800", "5500", ""},                            // 13
    {"Windows HB 1", "Windows Tessaline 3", "6500", "6200", ""},                            // 14
    {"Windows HB 1", "Windows Tessaline 4", "7200", "6900", ""},                            // 15
    {"Windows HB 1", "Windows Tessaline 5", "7900", "7600", ""},                            // 16
    {"Windows HB 1", "Windows Tessaline 9", "11100", "10600", ""},                          // 17
    {"Windows HB 1", "Windows Tessaline 14", "15100", "14600", ""},                         // 18
    {"Windows HB 2", "Windows Tessaline 2", "5700", "5400", ""},                            // 19
    {"Windows HB 2", "Windows Tessaline 3", "6400", "6100", ""},                            // 20
    {"Windows HB 2", "Windows Tessaline 4", "7100", "6800", ""},                            // 21
    {"Windows HB 2", "Windows Tessaline 5", "7800", "7500", ""},                            // 22
    {"Windows HB 2", "Windows Tessaline 9", "11000", "10500", ""},                          // 23
    {"Windows HB 2", "Windows Tessaline 14", "15000", "14500", ""},                         // 24
    {"Windows HB 3", "Windows Tessaline 3", "6300", "6000", ""},                            // 25
    {"Windows HB 3", "Windows Tessaline 4", "7000", "6700", ""},                            // 26
    {"Windows HB 3", "Windows Tessaline 5", "7700", "7400", ""},                            // 27
    {"Windows HB 3", "Windows Tessaline 9", "10900", "10400", ""},                          // 28
    {"Windows HB 3", "Windows Tessaline 14", "14900", "14400", ""},                         // 29
    {"Windows HB 3", "Windows Tessaline 19", "20900", "20300", ""},                         // 30
    {"Windows HB 4", "Windows Tessaline 4", "6900", "6600", ""},                            // 31
    {"Windows HB 4", "Windows Tessaline 5", "7600", "7300", ""},                            // 32
    {"Windows HB 4", "Windows Tessaline 9", "10800", "10300", ""},                          // 33
    {"Windows HB 4", "Windows Tessaline 14", "14800", "14300", ""},                         // 34
    {"Windows HB 4", "Windows Tessaline 19", "20800", "20200", ""},                         // 35
    {"Windows HB 5", "Windows Tessaline 5", "7500", "7200", ""},                            // 36
    {"Windows HB 5", "Windows Tessaline 9", "10500", "10200", ""},                          // 37
    {"Windows HB 5", "Windows Tessaline 14", "14700", "14200", ""},                         // 38
    {"Windows HB 5", "Windows Tessaline 19", "20700", "20100", ""},                         // 39
    {"Windows HB 5", "Windows Dravon Builder 24", "28300", "27700", ""},                    // 40
    {"Windows HB 5", "Windows Dravon Builder 29", "36000", "35500", ""},                    // 41
    {"Windows HB 5", "Windows Dravon Builder 49", "52000", "51000", ""},                    // 42
    {"DOS PRO Garrowin Manager", "Windows Garrowin Manager", "2000", "1800", "1700"},       // 43
    {"DOS PRO Garrowin Manager", "Windows Tollbane Manager", "1900", "1800", "1700"},       // 44
    {"DOS CorvPLUS Garrowin Manager", "Windows Garrowin Manager", "3000", "3000", "3000"},  // 45
    {"DOS CorvPLUS Garrowin Manager", "Windows Tollbane Manager", "2300", "2300", "2300"},  // 46
    {"Windows PIPWICK", "Windows ZEPH (Strovane)", "1700", "1600", ""},                     // 47
    {"Windows PIPWICK", "Windows HB 1", "3600", "3500", ""},                                // 48
    {"Windows PIPWICK", "Windows HB 2", "4300", "4200", ""},                                // 49
    {"Windows PIPWICK", "Windows HB 3", "5000", "4900", ""},                                // 50
    {"Windows PIPWICK", "Windows HB 4", "5700", "5600", ""},                                // 51
    {"Windows PIPWICK", "Windows HB 5", "6400", "6300", ""},                                // 52
    {"Windows PIPWICK", "Windows Tessaline 1", "5700", "5600", ""},                         // 53
    {"Windows PIPWICK", "Windows Tessaline 2", "6400", "6300", ""},                         // 54
    {"Windows PIPWICK", "Windows Tessaline 3", "7100", "7000", ""},                         // 55
    {"Windows PIPWICK", "Windows Tessaline 4", "7800", "7600", ""},                         // 56
    {"Windows PIPWICK", "Windows Tessaline 5", "8500", "8400", ""},                         // 57
    {"Windows PIPWICK", "Windows Tessaline 9", "11500", "11200", ""},                       // 58
    {"Windows PIPWICK", "Windows Tessaline 14", "15500", "15200", ""},                      // 59
});

static_assert(kCrossGradeRows.size() == 60, "CrossGradeTable holds its own rows 0..59");
static_assert(RowsAreWellFormed(kCrossGradeRows),
              "a row lacks a name or a price, or has a malformed price");

}  // namespace corvane

// The warnings the quote engine shows; lines are separated by CR LF.
#pragma once

#include <string>
#include <string_view>

namespace corvane {

inline constexpr std::string_view kSamePackageMessage =
    "YOU MAY NOT CROSS-GRADE TO THE SAME PACKAGE!";
inline constexpr std::string_view kPipwickMessage = "YOU CANNOT UPGRADE ANY PACKAGE TO PIPWICK!";
inline constexpr std::string_view kDiscountRangeMessage =
    "THE DISCOUNT MUST BE BETWEEN 0% AND 100%.";

//! The built-in book's telephone number, set when the program is built.
std::string_view VendorPhone();

//! "SORRY! THAT PRICE IS NOT IN THE DATABASE." and where to find the price instead: the printed
//! price list, or the vendor on the telephone number given.
std::string NotInDatabaseMessage(std::string_view vendorPhone);

//! "YOU MAY NOT REDUCE THE NUMBER OF TERMINALS." and where to find the price instead.
std::string ReductionMessage(std::string_view vendorPhone);

//! A message's first line: what was refused, without where to look instead.
inline std::string_view FirstLine(std::string_view message) {
  return message.substr(0, message.find_first_of("\r\n"));
}

}  // namespace corvane

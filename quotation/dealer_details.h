// Who is quoting: the dealer's details as every quotation shows them.
#pragma once

#include <string>

namespace corvane {

inline constexpr int kDefaultValidityDays = 30;
inline constexpr int kMaxValidityDays = 365;

inline constexpr std::string_view kDefaultTerms =
    "Prices are quoted in the currency shown and hold until the date of validity. Payment is due "
    "on delivery unless agreed otherwise in writing.";

//! Where the customer pays.
struct BankDetails {
  std::string accountHolder;
  std::string bank;
  std::string account;  //!< the account number or IBAN
  std::string branch;   //!< the branch code or BIC

  friend bool operator==(const BankDetails&, const BankDetails&) = default;
};

struct DealerDetails {
  std::string companyName;
  std::string address;  //!< one line of the address to a line of text
  std::string vatNumber;
  std::string telephone;
  std::string email;
  std::string numberPrefix = "Q-";  //!< a quote's number is this, the year and a serial number
  int validityDays = kDefaultValidityDays;
  std::string terms = std::string(kDefaultTerms);
  std::string paymentTerms;  //!< e.g. "30 days from invoice"
  BankDetails bank;
  std::string currency;  //!< no longer used: a quotation's currency is the price book's

  friend bool operator==(const DealerDetails&, const DealerDetails&) = default;
};

}  // namespace corvane

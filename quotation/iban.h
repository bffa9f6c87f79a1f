// The check an IBAN carries in itself (ISO 13616), so that a mistyped account number in the
// dealer's bank details is noticed before it is printed on quotations.
#pragma once

#include <cstdint>
#include <string_view>

namespace corvane {

enum class IbanCheck : std::uint8_t {
  NotAnIban,  //!< not written as an IBAN (two letters, two digits): a plain account number
  Holds,      //!< an IBAN whose check digits agree with the rest
  Fails,      //!< written as an IBAN, but too short, too long, holding other characters, or its
              //!< check digits disagree
};

//! Judges an account number as typed: blanks between its groups are allowed, letters in either
//! case. An IBAN holds when, with its first four characters moved to the end and each letter
//! read as 10 to 35, it leaves 1 divided by 97.
IbanCheck CheckIban(std::string_view account);

}  // namespace corvane

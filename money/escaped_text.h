// Text from outside (a path, a typed discount) read a character at a time, and shown inside a
// one-line message without the characters that would break the line or reorder it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

//! The length of the well-formed UTF-8 sequence at the start of `text`, its character in `code`;
//! 0 when there is none (a stray continuation byte, an overlong form, a surrogate, a sequence cut
//! short or beyond U+10FFFF).
std::size_t Utf8Sequence(std::string_view text, char32_t& code);

//! C0 and C1 control characters and DEL.
bool IsControlCharacter(char32_t code);

//! Unicode's invisible format characters (category Cf): bidirectional overrides and isolates,
//! zero-width characters, the byte-order mark and the like.
bool IsFormatCharacter(char32_t code);

//! What keeps a text from outside from being shown, printed or stored as one line in its own order.
enum class TextFault {
  None,
  NotUtf8,           //!< it could not be shown or printed faithfully
  ControlCharacter,  //!< C0, C1 or DEL: it would break a line of a list or a CSV cell
  LineSeparator,     //!< U+2028 or U+2029: it ends a line as a line feed does
  FormatCharacter,   //!< invisible: it would reorder or hide what is shown (bidi, zero-width)
};

//! The one rule for every text from outside that the program shows and keeps, a typed discount
//! and every text of a price book alike: the first fault of `text`, or None.
TextFault FindTextFault(std::string_view text);

//! The fault in words, as a message puts it after what holds it: "holds a control character".
std::string_view DescribeTextFault(TextFault fault);

//! The text with every control character, line or paragraph separator and format character
//! written as an escape ("\n", "\x1b", "\u202e") and every byte that is not UTF-8 as "\xNN", so
//! that a message quoting it stays one line and reads in its own order.
std::string Escaped(std::string_view text);

}  // namespace corvane

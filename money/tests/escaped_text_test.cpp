#include "money/escaped_text.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

struct EscapeCase {
  std::string text;
  std::string shown;
};

TEST(Escaped, KeepsAMessageOnOneLineAndInItsOwnOrder) {
  using namespace std::string_literals;
  const EscapeCase cases[] = {
      {"prices.pdf", "prices.pdf"},
      {"C:\\Users\\dealer\\list.pdf", "C:\\Users\\dealer\\list.pdf"},    // backslashes stay
      {"caf\xC3\xA9 \xE2\x82\xAC 15%", "caf\xC3\xA9 \xE2\x82\xAC 15%"},  // é and € stay
      {"a\nb", "a\\nb"},
      {"a\r\nb\tc", "a\\r\\nb\\tc"},
      {"\x1B[2J", "\\x1b[2J"},
      {"x\x7F", "x\\x7f"},
      {"\0"s, "\\x00"},
      {"15%\xC2\x85", "15%\\u0085"},  // next line, a C1 control
      {"\xE2\x80\xAE"
       "fdp.exe",
       "\\u202efdp.exe"},  // right-to-left override
      {"a\xE2\x80\x8B"
       "b",
       "a\\u200bb"},  // zero-width space
      {"\xEF\xBB\xBF"
       "x",
       "\\ufeffx"},                      // byte-order mark
      {"\xF3\xA0\x80\x81", "\\ue0001"},  // language tag, beyond the BMP
      {"a\xE2\x80\xA8"
       "b",
       "a\\u2028b"},          // line separator
      {"15\xFF", "15\\xff"},  // not UTF-8
      {"\xC3", "\\xc3"},      // cut short
  };
  for (const EscapeCase& c : cases) {
    SCOPED_TRACE(c.shown);
    EXPECT_EQ(Escaped(c.text), c.shown);
  }
}

TEST(Escaped, FormatCharactersAreCategoryCf) {
  for (char32_t code : {0x00ADu, 0x061Cu, 0x200Eu, 0x202Au, 0x2066u, 0x2069u, 0xFEFFu, 0xE007Fu}) {
    EXPECT_TRUE(IsFormatCharacter(code)) << std::hex << static_cast<unsigned>(code);
  }
  // Neighbours that show as themselves: letters, spaces, the no-break space.
  for (char32_t code : {0x00ACu, 0x00A0u, 0x200Au, 0x2010u, 0x2065u, 0x2070u, 0xFEFEu, 0xE0080u}) {
    EXPECT_FALSE(IsFormatCharacter(code)) << std::hex << static_cast<unsigned>(code);
  }
}

}  // namespace
}  // namespace corvane

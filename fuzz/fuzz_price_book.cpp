// The price-book reader on any bytes: it returns a book or refuses with PriceBookError, one line
// of plain text naming the file, and nothing else; a book it returns is written out and read back
// unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "money/escaped_text.h"
#include "pricebook/price_book_file.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "check failed: %s: %s\n", what, detail.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string written;
  try {
    written = corvane::PriceBookJson(corvane::ParsePriceBook(text, "fuzz.json"));
  } catch (const corvane::PriceBookError& error) {
    const std::string message = error.what();
    if (message.rfind("fuzz.json: ", 0) != 0) Fail("the message does not name the file", message);
    if (corvane::FindTextFault(message) != corvane::TextFault::None) {
      Fail("the message is not one line of plain text", corvane::Escaped(message));
    }
    return 0;
  } catch (const std::exception& error) {
    Fail("an error other than PriceBookError", error.what());
  }
  try {
    const std::string again = corvane::PriceBookJson(corvane::ParsePriceBook(written, "again"));
    if (again != written) Fail("a book read back differs", written);
  } catch (const std::exception& error) {
    Fail("a book written out is refused", error.what());
  }
  return 0;
}

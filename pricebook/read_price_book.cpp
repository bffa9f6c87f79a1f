// Reading a price-book file: what the file system can tell is checked before a byte is read.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <system_error>

#include "pricebook/price_book_file.h"

namespace corvane {
namespace {

[[noreturn]] void Refuse(const std::string& path, std::string_view why) {
  throw PriceBookError(path + ": " + std::string(why));
}

}  // namespace

PriceBook ReadPriceBook(const std::string& path) {
  const std::filesystem::path file(path);
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(file, error);
  if (status.type() == std::filesystem::file_type::not_found) Refuse(path, "no such file");
  if (error) Refuse(path, "cannot be read: " + error.message());
  if (std::filesystem::is_directory(status)) Refuse(path, "is a directory, not a price book");
  if (!std::filesystem::is_regular_file(status)) Refuse(path, "is not a regular file");
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) Refuse(path, "cannot be read: " + error.message());
  if (size == 0) Refuse(path, "is empty");
  if (size > kMaxPriceBookBytes) Refuse(path, "is larger than 4 MB, too large for a price book");

  std::ifstream in(file, std::ios::binary);
  if (!in) Refuse(path, "cannot be opened");
  // One byte more than measured tells of a file that grew since; never more than the limit.
  std::string text;
  try {
    text.resize(static_cast<std::size_t>(size) + 1);
  } catch (const std::bad_alloc&) {
    Refuse(path, "cannot be read: out of memory");
  }
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) Refuse(path, "cannot be read");
  text.resize(static_cast<std::size_t>(in.gcount()));
  if (text.size() != size) Refuse(path, "changed while it was being read");
  return ParsePriceBook(text, path);
}

}  // namespace corvane

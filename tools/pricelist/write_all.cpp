#include "tools/pricelist/write_all.h"

#include <cerrno>
#include <cstring>

namespace corvane {

std::string WriteAll(std::FILE* stream, std::string_view text) {
  errno = 0;
  const std::size_t written = std::fwrite(text.data(), 1, text.size(), stream);
  if (written == text.size() && std::fflush(stream) == 0) return {};
  const int cause = errno;
  return cause != 0 ? std::strerror(cause) : "the write failed";
}

}  // namespace corvane

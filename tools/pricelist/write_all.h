// Writing the program's output so that a failed write is noticed and named.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace corvane {

//! Writes and flushes the text; returns the system's reason when that failed (a closed output, a
//! full disk), or an empty text.
std::string WriteAll(std::FILE* stream, std::string_view text);

}  // namespace corvane

// The program's name, as its window, its documents' metadata and its messages give it.
#pragma once

#include <string_view>

namespace corvane {

inline constexpr std::string_view kProgramTitle = "Corvane Cross-grade Price Calculator";

}  // namespace corvane

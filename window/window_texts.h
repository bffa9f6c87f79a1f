// Texts the window shows that both sets of controls need: list entries and start-up captions.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "money/program_title.h"

namespace corvane {

//! The program's title and the date of the built-in prices, as the window's caption has always
//! read.
inline constexpr std::string_view kCaptionVersion = "  v20120528";
inline constexpr auto kWindowCaptionText = [] {
  std::array<char, kProgramTitle.size() + kCaptionVersion.size()> text{};
  std::ranges::copy(kProgramTitle, text.begin());
  std::ranges::copy(kCaptionVersion, text.begin() + kProgramTitle.size());
  return text;
}();
inline constexpr std::string_view kWindowCaption{kWindowCaptionText.data(),
                                                 kWindowCaptionText.size()};
static_assert(kWindowCaption == "Corvane Cross-grade Price Calculator  v20120528");

inline constexpr std::string_view kNothingSelected = "Nothing Selected";

//! The discount list, "0%" first.
inline constexpr std::array<std::string_view, 17> kDiscountTexts = {
    "0%",  "5%",  "10%", "15%", "20%", "25%", "30%", "35%", "40%",
    "45%", "50%", "55%", "60%", "65%", "70%", "75%", "80%"};

//! What the discount field shows before any discount is chosen.
inline constexpr std::string_view kStartDiscountText = "0%";

//! Age-button captions as the window is first shown.
inline constexpr std::array<std::string_view, 3> kStartAgeCaptions = {
    "Over 2 Years", "Between 1 and 2 years", "Less than 1 year"};

//! What the empty cross-grade price boxes say while they show that a pair has no price.
inline constexpr std::string_view kNoPriceNote = "no price";

//! Why the price boxes are empty after a From or To text that no entry holds.
inline std::string NoMatchText(std::string_view typed) {
  return "No package matches '" + std::string(typed) + "'";
}

//! Why the price boxes are empty after a From or To text that several entries hold was left.
inline std::string SeveralMatchText(std::string_view typed, std::size_t count) {
  return std::to_string(count) + " packages match '" + std::string(typed) + "': choose one";
}

//! The price-box text of the item frame when a list mode starts, with "." standing for the user's
//! decimal separator.
inline constexpr std::string_view kItemPriceResetText = "0.00";

}  // namespace corvane

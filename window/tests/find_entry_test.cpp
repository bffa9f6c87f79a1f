// Finding a list entry by part of its text, ignoring case and repeated blanks.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "window/find_entry.h"
#include "window_test_support.h"

namespace corvane {
namespace {

TEST(FoldForFinding, LowersLettersAndMakesEveryRunOfBlanksOneSpace) {
  const std::tuple<std::string, std::string> cases[] = {{"Windows HB 3", "windows hb 3"},
                                                        {"hb  \t 3", "hb 3"},
                                                        {"  VAULTA", " vaulta"},
                                                        {"Stand-Alone ", "stand-alone "},
                                                        {"", ""},
                                                        {"\xC3\x9C"
                                                         "ber",
                                                         "\xC3\x9C"
                                                         "ber"}};
  for (const auto& [text, folded] : cases) EXPECT_EQ(FoldForFinding(text), folded) << text;
}

// The From list as the window fills it.
std::vector<std::string> FromEntries() {
  HeadlessWindow w(testing::FilledBook());
  std::vector<std::string> entries;
  for (int position = 0; position < w.Combo1.ListCount(); ++position) {
    entries.push_back(w.Combo1.ItemText(position));
  }
  return entries;
}

TEST(OfferedEntries, AreThoseContainingTheTypedTextInListOrder) {
  const std::vector<std::string> entries = FromEntries();
  const std::tuple<std::string, std::vector<int>> cases[] = {{"drav", {15, 16, 17, 18, 19}},
                                                             {"hb 3", {4}},
                                                             {"HB   3", {4}},
                                                             {"manager a", {22, 23, 24, 26}},
                                                             {"xyz", {}},
                                                             {"hb 3 ", {4}},
                                                             {"v a", {24}},
                                                             {"tessaline 1", {7, 13, 14}}};
  for (const auto& [typed, offered] : cases) {
    EXPECT_EQ(OfferedEntries(entries, typed), offered) << typed;
  }
  EXPECT_EQ(OfferedEntries(entries, "").size(), entries.size());
}

TEST(TypedChoice, IsTheEntryOfTheSameTextElseTheOnlyOneOfferedOrHoldingWholeWords) {
  const std::vector<std::string> entries = FromEntries();
  const std::tuple<std::string, std::optional<int>> cases[] = {{"hb 3", 4},
                                                               {"windows TESSALINE  1", 7},
                                                               {"tessaline 1", 7},
                                                               {"Tessaline", std::nullopt},
                                                               {"hb", std::nullopt},
                                                               {"e 1", 7},
                                                               {"t 1", 7},
                                                               {"t 14", 13},
                                                               {"d 24", 15},
                                                               {"v a", 24},
                                                               {"v", std::nullopt},
                                                               {"drav", std::nullopt},
                                                               {"xyz", std::nullopt},
                                                               {"", std::nullopt},
                                                               {"pipwick", 0},
                                                               {"Windows PIPWICK", 0}};
  for (const auto& [typed, chosen] : cases) EXPECT_EQ(TypedChoice(entries, typed), chosen) << typed;
  EXPECT_EQ(TypedChoice({}, "hb"), std::nullopt);
  EXPECT_EQ(TypedChoice({"A b", "a  B"}, "a b"), 0);  // the first of equal texts
  EXPECT_EQ(TypedChoice({"x 1 y", "x 1", "x 12"}, "x 1"), 1);
  EXPECT_EQ(TypedChoice({"a x 1", "b x 1", "x 12"}, "x 1"), std::nullopt);
  EXPECT_EQ(TypedChoice({"ax 1", "x 12"}, "x 1"), 0);                      // ends as a word ends
  EXPECT_EQ(TypedChoice({"ab 1", "ac 1", "ab 12"}, "a 1"), std::nullopt);  // two whole numbers
}

// Any cross-grade is reached from the window's start by typing the shortest word beginnings that
// name the From package, Enter, the shortest that name the To package, and Enter: at most 12 keys.
// Each pair is driven through the window, so the count holds for what the window resolves.
TEST(TypedChoice, NamesEveryPairInTwelveKeys) {
  const std::vector<std::string> from = FromEntries();
  std::size_t most = 0;
  std::string hardest;
  for (int f = 0; f < static_cast<int>(from.size()); ++f) {
    const std::string fromText = testing::ShortestNamingText(from, f);
    ASSERT_FALSE(fromText.empty()) << from[static_cast<std::size_t>(f)];
    std::vector<std::string> to;
    {
      HeadlessWindow chosen(testing::FilledBook());
      chosen.ChooseFrom(f);
      for (int t = 0; t < chosen.Combo2.ListCount(); ++t) to.push_back(chosen.Combo2.ItemText(t));
    }
    for (int t = 1; t < static_cast<int>(to.size()); ++t) {
      const std::string toText = testing::ShortestNamingText(to, t);
      ASSERT_FALSE(toText.empty()) << to[static_cast<std::size_t>(t)];
      HeadlessWindow w(testing::FilledBook());
      w.TypeFrom(fromText);
      w.PressEnter(WindowField::From);
      w.TypeTo(toText);
      w.PressEnter(WindowField::To);
      ASSERT_EQ(w.Combo1.ListIndex(), f) << fromText;
      ASSERT_EQ(w.Combo2.ListIndex(), t) << fromText << " to " << toText;
      const std::size_t keys = fromText.size() + 1 + toText.size() + 1;
      if (keys > most) hardest = "\"" + fromText + "\" to \"" + toText + "\"";
      most = std::max(most, keys);
    }
  }
  EXPECT_LE(most, 12u) << hardest;
  RecordProperty("most_keys", static_cast<int>(most));
  std::cout << "The hardest pair: " << hardest << ", " << most << " keys\n";
}

}  // namespace
}  // namespace corvane

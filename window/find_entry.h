// Finding a list entry by typing part of its text: which entries a typed text offers, and which
// one Enter on it chooses.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

//! A text as finding compares it: letters in lower case and every run of blanks (spaces and
//! tabs) as one space, so that "hb  3" and "HB 3" read alike.
std::string FoldForFinding(std::string_view text);

//! Whether each typed word begins a word of the entry, in the entry's order: "v a" begins words of
//! "VAULTA Manager AddOn".
bool BeginsWords(std::string_view entry, std::string_view typed);

//! Whether the entry is offered for the typed text: its folded text contains the typed one's, or
//! the typed words begin its words.
bool Offers(std::string_view entry, std::string_view typed);

//! The positions of the entries offered for the typed text, in list order.
std::vector<int> OfferedEntries(const std::vector<std::string>& entries, std::string_view typed);

//! Whether the entry holds the typed text as whole words: "tessaline 1" in "Windows Tessaline 1"
//! but not in "Windows Tessaline 14".
bool HoldsWholeWords(std::string_view entry, std::string_view typed);

//! The entry that Enter on the typed text chooses: the first whose text equals it when both are
//! folded, else the only one offered, else the only one offered that holds the typed text as whole
//! words, else the only one offered where the typed text ends as a word ends, else the only one
//! whose words the typed words begin with each typed number a whole number of it ("t 1" for
//! "Windows Tessaline 1" beside 14 and 19). Nothing when none or several such are offered.
std::optional<int> TypedChoice(const std::vector<std::string>& entries, std::string_view typed);

}  // namespace corvane

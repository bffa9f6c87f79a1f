// The entries of a text table as the window's lists offer them.
#pragma once

#include <string>

namespace corvane {

//! Calls visit(index, text) for every non-empty entry from `start` to one below the table's upper
//! bound, in index order: the entries a list of the window holds, and the price list prints.
template <typename Table, typename Visit>
void ForEachListedEntry(const Table& table, int start, Visit visit) {
  for (int index = start; index <= table.UpperBound() - 1; ++index) {
    const std::string& text = table[index];
    if (!text.empty()) visit(index, text);
  }
}

}  // namespace corvane

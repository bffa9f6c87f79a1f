#include "pricelist/price_list_text.h"

#include <algorithm>
#include <string>

#include "pricebook/effective_date.h"
#include "pricelist/price_list_sections.h"

namespace corvane {
namespace {

// One line of a section: a group heading alone, or a label with its prices or its refusal.
struct Line {
  std::string label;
  const PriceListRow* row = nullptr;
};

// A printer or terminal shows one column per character, however many bytes UTF-8 spends on it:
// the no-break space that separates thousands in some locales is two bytes but one column.
std::size_t Columns(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
  }));
}

std::string Padded(std::string_view text, std::size_t width, bool right) {
  const std::size_t columns = Columns(text);
  const std::string fill(width > columns ? width - columns : 0, ' ');
  return right ? fill + std::string(text) : std::string(text) + fill;
}

std::string TrimmedRight(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// Prints a section with its columns as wide as its widest entry and no trailing blanks.
void WriteSection(std::string_view title, const std::vector<Line>& lines, std::ostream& out) {
  constexpr std::string_view kExcluding = "Excl. VAT";
  constexpr std::string_view kIncluding = "Incl. VAT";
  std::size_t labelWidth = 0;
  std::size_t excludingWidth = Columns(kExcluding);
  std::size_t includingWidth = Columns(kIncluding);
  for (const Line& line : lines) {
    if (line.row == nullptr) continue;
    labelWidth = std::max(labelWidth, Columns(line.label));
    excludingWidth = std::max(excludingWidth, Columns(line.row->excludingVat));
    includingWidth = std::max(includingWidth, Columns(line.row->includingVat));
  }
  out << '\n' << title << '\n';
  out << TrimmedRight(Padded("", labelWidth, false) + "  " +
                      Padded(kExcluding, excludingWidth, true) + "  " +
                      Padded(kIncluding, includingWidth, true))
      << '\n';
  for (const Line& line : lines) {
    if (line.row == nullptr) {
      out << line.label << '\n';
    } else if (!line.row->refusal.empty()) {
      out << TrimmedRight(Padded(line.label, labelWidth, false) + "  " + line.row->refusal) << '\n';
    } else {
      out << TrimmedRight(Padded(line.label, labelWidth, false) + "  " +
                          Padded(line.row->excludingVat, excludingWidth, true) + "  " +
                          Padded(line.row->includingVat, includingWidth, true))
          << '\n';
    }
  }
}

// A group's heading stands on a line of its own, its rows indented below it.
std::vector<Line> LinesOf(const PriceListSection& section) {
  std::vector<Line> lines;
  for (const PriceListGroup& group : section.groups) {
    std::string indent = "  ";
    if (!group.heading.empty()) {
      lines.push_back({indent + group.heading, nullptr});
      indent += "  ";
    }
    for (const PriceListRow* row : group.rows) lines.push_back({indent + RowLabel(*row), row});
  }
  return lines;
}

// The note on the moves left out is a paragraph; printed, it keeps within a page's width.
constexpr std::size_t kNoteColumns = 78;

// The text in lines of at most `width` columns, broken at blanks (a word longer than a line
// stands on its own), each ending with a line break.
std::string Wrapped(std::string_view text, std::size_t width) {
  std::string lines;
  std::string line;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view word = text.substr(start, end - start);
    if (!line.empty() && Columns(line) + 1 + Columns(word) > width) {
      lines += line + '\n';
      line.clear();
    }
    if (!line.empty()) line += ' ';
    line += word;
    start = end + 1;
  }
  if (!line.empty()) lines += line + '\n';
  return lines;
}

}  // namespace

void WritePlainText(const PriceList& list, std::ostream& out) {
  out << TitleText(list.title) << '\n'
      << FootnoteText(list.title.effective) << '\n'
      << TermsText(list) << '\n';
  for (const PriceListSection& section : Sections(list.rows)) {
    WriteSection(section.title, LinesOf(section), out);
    if (section.kind == PriceKind::CrossGrade && !list.leftOut.empty()) {
      out << '\n' << Wrapped(LeftOutNote(list), kNoteColumns);
    }
  }
}

}  // namespace corvane

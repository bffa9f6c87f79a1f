#include "pricelist/xlsx/price_list_xlsx.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <stdexcept>
#include <utility>

#include "money/format_price.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace corvane {
namespace {

struct Column {
  const char* heading;
  bool amount;  // a price, as a number; else text
};

struct Section {
  PriceKind kind;
  const char* sheetName;
  std::span<const Column> columns;  // the texts, then the two amounts, then the refusal
};

constexpr std::array kPackageColumns{Column{"Package", false}, Column{"Discount", false},
                                     Column{"Excl. VAT", true}, Column{"Incl. VAT", true},
                                     Column{"Refusal", false}};
constexpr std::array kCrossGradeColumns{Column{"From", false},     Column{"To", false},
                                        Column{"Discount", false}, Column{"Excl. VAT", true},
                                        Column{"Incl. VAT", true}, Column{"Refusal", false}};
constexpr std::array kItemColumns{Column{"Item", false}, Column{"Excl. VAT", true},
                                  Column{"Incl. VAT", true}};

constexpr std::array kSections{
    Section{PriceKind::New, "New packages", kPackageColumns},
    Section{PriceKind::CrossGrade, "Cross-grades", kCrossGradeColumns},
    Section{PriceKind::Support, "Support contracts", kItemColumns},
    Section{PriceKind::Other, "Other items", kItemColumns},
};
static_assert(std::ranges::all_of(kSections,
                                  [](const Section& section) {
                                    return std::string_view(section.sheetName).size() <= 31;
                                  }),
              "a sheet name has at most 31 characters");

// The rows above the prices: the title, the terms, the column headings. Each printed page repeats
// them, and they stay in view as the sheet scrolls.
constexpr lxw_row_t kTitleRow = 0;
constexpr lxw_row_t kTermsRow = 1;
constexpr lxw_row_t kHeadingRow = 2;

// The list is set small and the page's margins narrow, so that a landscape page holds about as
// many rows as a portrait page of the PDF: printed, the workbook takes no more pages than it.
constexpr double kFontPoints = 8;
constexpr double kRowPoints = 10.5;
constexpr double kTitlePoints = 11;
// Left, right, top and bottom, then the header's and footer's distance from the edge, in inches.
constexpr double kSideMargin = 0.4;
constexpr double kTopMargin = 0.5;
constexpr double kBottomMargin = 0.4;
constexpr double kHeaderMargin = 0.2;
// A column is as wide as its longest entry plus this, in characters; never wider than the limit
// (a longer text, an error's words, is cut at the next cell as in any sheet).
constexpr double kColumnPadding = 2;
constexpr double kWidestColumn = 80;
// Paper size 9 is A4 in the workbook's page setup.
constexpr std::uint8_t kA4 = 9;

// A spreadsheet shows one character per code point, however many bytes UTF-8 spends on it.
double Characters(std::string_view text) {
  return static_cast<double>(std::ranges::count_if(
      text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; }));
}

// The amount the price box shows, rounded as it rounds, as a number: the picture without
// grouping and with a point reads back exactly.
template <typename Amount>
double ShownAmount(Amount amount) {
  const std::string text = FormatPrice(amount, Separators{"", "."});
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    throw std::runtime_error("the amount \"" + text + "\" could not be read back");
  }
  return value;
}

// A printed header holds at most 255 bytes.
constexpr std::size_t kHeaderLimit = 255;

// "&" starts a control code in a printed header; doubled it prints as itself.
std::string HeaderText(std::string_view text) {
  std::string header;
  for (char c : text) {
    header += c;
    if (c == '&') header += '&';
  }
  return header;
}

// The title at the left, "Page N of M" at the right; a title too long for the header is cut
// short at a character's start (the title row shows it whole).
std::string SheetHeader(std::string_view title) {
  const std::string page = "&RPage &P of &N";
  const std::string shown = HeaderText(title);
  if (2 + shown.size() + page.size() <= kHeaderLimit) return "&L" + shown + page;
  const std::string_view cut = "...";
  std::size_t room = kHeaderLimit - 2 - page.size() - cut.size();
  while (room > 0 && (static_cast<unsigned char>(shown[room]) & 0xC0) == 0x80) --room;
  // A doubled "&" is never split: the first of a pair would start a control code.
  std::size_t ampersands = 0;
  while (ampersands < room && shown[room - 1 - ampersands] == '&') ++ampersands;
  if (ampersands % 2 == 1) --room;
  return "&L" + shown.substr(0, room) + std::string(cut) + page;
}

// A cell or setting the library refuses (a text beyond a cell's 32,767 characters) stops the
// workbook: a sheet with a cell missing would be a wrong list.
void Check(lxw_error error) {
  if (error != LXW_NO_ERROR) throw std::runtime_error(lxw_strerror(error));
}

// The library prints its own account of a failed write on standard error ("[ERROR] ..."), which
// would stand beside the one line the program gives; standard error is sent nowhere while it
// writes, and given back after.
class QuietStandardError {
 public:
#ifdef _WIN32
  QuietStandardError() = default;
#else
  QuietStandardError() : saved_(dup(2)) {
    std::fflush(stderr);
    const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && nowhere >= 0) dup2(nowhere, 2);
    if (nowhere >= 0) close(nowhere);
  }
  ~QuietStandardError() {
    std::fflush(stderr);
    if (saved_ < 0) return;
    dup2(saved_, 2);
    close(saved_);
  }
#endif
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  [[maybe_unused]] int saved_ = -1;
};

// The library's temporary files go in the workbook's own folder, not in the system's default
// (which is /tmp whatever TMPDIR says), so that a failure to write them is the failure of one
// folder the caller can name.
class Workbook {
 public:
  Workbook(const std::string& path, std::string folder)
      : folder_(std::move(folder)), book_(Open(path, folder_)) {}
  ~Workbook() {
    if (book_ != nullptr) {
      const QuietStandardError quiet;
      workbook_close(book_);
    }
  }
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  //! Closing writes the file; returns why it could not, or an empty text. Every file the library
  //! writes then is the workbook or a temporary file of its folder, so a failure there is the
  //! system's: its cause is taken from errno as the failing call left it.
  std::string Close() {
    const QuietStandardError quiet;
    errno = 0;
    const lxw_error error = workbook_close(std::exchange(book_, nullptr));
    const int cause = errno;
    if (error == LXW_NO_ERROR) return {};
    return cause != 0 ? std::strerror(cause) : lxw_strerror(error);
  }

  std::string folder_;
  lxw_workbook* book_;

 private:
  static lxw_workbook* Open(const std::string& path, std::string& folder) {
    lxw_workbook_options options{};
    options.tmpdir = folder.empty() ? nullptr : folder.data();
    return workbook_new_opt(path.c_str(), &options);
  }
};

// The folder the path names its file in; empty for a bare file name (the current folder).
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash == 0 ? 1 : slash);
}

struct Formats {
  lxw_format* text;
  lxw_format* title;
  lxw_format* terms;
  lxw_format* heading;
  lxw_format* amount;
  lxw_format* note;
};

Formats MakeFormats(lxw_workbook* book) {
  const auto make = [book](double points) {
    lxw_format* format = workbook_add_format(book);
    format_set_font_size(format, points);
    format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
    return format;
  };
  Formats formats{make(kFontPoints), make(kTitlePoints), make(kFontPoints),
                  make(kFontPoints), make(kFontPoints),  make(kFontPoints)};
  format_set_bold(formats.title);
  format_set_bold(formats.heading);
  format_set_num_format(formats.amount, "#,##0.00");
  format_set_text_wrap(formats.terms);
  format_set_text_wrap(formats.note);
  return formats;
}

// Sets a merged cell across the sheet's columns, as tall as its text needs when wrapped there.
void WriteAcross(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t lastColumn, double width,
                 const std::string& text, lxw_format* format, double linePoints) {
  Check(worksheet_merge_range(sheet, row, 0, row, lastColumn, text.c_str(), format));
  const double lines = std::max(1.0, std::ceil(Characters(text) / std::max(width, 1.0)));
  Check(worksheet_set_row(sheet, row, lines * linePoints, nullptr));
}

void WriteSheet(lxw_workbook* book, const Formats& formats, const Section& section,
                const PriceList& list) {
  lxw_worksheet* sheet = workbook_add_worksheet(book, section.sheetName);
  const auto lastColumn = static_cast<lxw_col_t>(section.columns.size() - 1);
  const bool withDiscount = section.kind == PriceKind::New || section.kind == PriceKind::CrossGrade;

  std::vector<double> widths;
  for (const Column& column : section.columns) widths.push_back(Characters(column.heading));
  const auto fit = [&widths](lxw_col_t column, std::string_view text) {
    widths[column] = std::max(widths[column], Characters(text));
  };

  worksheet_set_default_row(sheet, kRowPoints, LXW_FALSE);
  lxw_row_t line = kHeadingRow;
  for (lxw_col_t column = 0; column <= lastColumn; ++column) {
    Check(worksheet_write_string(sheet, line, column, section.columns[column].heading,
                                 formats.heading));
  }
  for (const PriceListRow& row : list.rows) {
    if (row.kind != section.kind) continue;
    ++line;
    lxw_col_t column = 0;
    fit(column, row.from);
    Check(worksheet_write_string(sheet, line, column++, row.from.c_str(), formats.text));
    if (section.kind == PriceKind::CrossGrade) {
      fit(column, row.to);
      Check(worksheet_write_string(sheet, line, column++, row.to.c_str(), formats.text));
    }
    if (withDiscount) {
      fit(column, row.discount);
      Check(worksheet_write_string(sheet, line, column++, row.discount.c_str(), formats.text));
    }
    if (row.Refused()) {
      fit(column + 2, row.refusal);
      Check(worksheet_write_string(sheet, line, column + 2, row.refusal.c_str(), formats.text));
      continue;
    }
    // The amounts as the number format shows them: grouped, two decimals.
    fit(column, FormatPrice(row.excludingAmount));
    Check(worksheet_write_number(sheet, line, column++, ShownAmount(row.excludingAmount),
                                 formats.amount));
    fit(column, FormatPrice(row.includingAmount));
    Check(worksheet_write_number(sheet, line, column, ShownAmount(row.includingAmount),
                                 formats.amount));
  }
  const lxw_row_t lastRow = line;

  double width = 0;
  for (lxw_col_t column = 0; column <= lastColumn; ++column) {
    const double characters = std::min(widths[column] + kColumnPadding, kWidestColumn);
    Check(worksheet_set_column(sheet, column, column, characters, nullptr));
    width += characters;
  }
  const PriceListTitle& title = list.title;
  WriteAcross(sheet, kTitleRow, lastColumn, width, TitleText(title), formats.title,
              kTitlePoints * 1.3);
  WriteAcross(sheet, kTermsRow, lastColumn, width, TermsText(list), formats.terms, kRowPoints);
  if (section.kind == PriceKind::CrossGrade && !list.leftOut.empty()) {
    WriteAcross(sheet, lastRow + 2, lastColumn, width, LeftOutNote(list), formats.note, kRowPoints);
  }

  worksheet_freeze_panes(sheet, kHeadingRow + 1, 0);
  Check(worksheet_autofilter(sheet, kHeadingRow, 0, lastRow, lastColumn));
  // Printed: A4 across, one page wide however long, the rows above the prices on every page.
  worksheet_set_paper(sheet, kA4);
  worksheet_set_landscape(sheet);
  worksheet_set_margins(sheet, kSideMargin, kSideMargin, kTopMargin, kBottomMargin);
  lxw_header_footer_options header{};
  header.margin = kHeaderMargin;
  Check(worksheet_set_header_opt(sheet, SheetHeader(TitleText(title)).c_str(), &header));
  worksheet_fit_to_pages(sheet, 1, 0);
  Check(worksheet_repeat_rows(sheet, kTitleRow, kHeadingRow));
}

}  // namespace

std::string WritePriceListXlsx(const PriceList& list, const std::string& path) {
  Workbook workbook(path, FolderOf(path));
  if (workbook.book_ == nullptr) return "the workbook could not be created";
  try {
    const Formats formats = MakeFormats(workbook.book_);
    for (const Section& section : kSections) WriteSheet(workbook.book_, formats, section, list);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return workbook.Close();
}

}  // namespace corvane

#include "pricelist/xlsx/price_list_xlsx.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <span>
#include <stdexcept>
#include <utility>

#include "money/format_price.h"
#include "pricebook/effective_date.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace corvane {
namespace {

struct Column {
  const char* heading;
  double width;  // in characters
};

struct Section {
  PriceKind kind;
  const char* sheetName;
  std::span<const Column> columns;  // the texts, then the two amounts, then the refusal
};

constexpr std::array kPackageColumns{Column{"Package", 40}, Column{"Discount", 10},
                                     Column{"Excl. VAT", 14}, Column{"Incl. VAT", 14},
                                     Column{"Refusal", 60}};
constexpr std::array kCrossGradeColumns{Column{"From", 40},      Column{"To", 40},
                                        Column{"Discount", 10},  Column{"Excl. VAT", 14},
                                        Column{"Incl. VAT", 14}, Column{"Refusal", 60}};
constexpr std::array kItemColumns{Column{"Item", 60}, Column{"Excl. VAT", 14},
                                  Column{"Incl. VAT", 14}};

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

// The title at the left, the discount at the right; a discount too long for the header is cut
// short at a character's start (its rows still show it whole).
std::string SheetHeader(std::string_view discount) {
  std::string header = "&L" + HeaderText("Corvane Price List, prices effective ") +
                       HeaderText(kPricesEffective) + "&R" +
                       HeaderText("Dealer discount on new packages and cross-grades: ");
  const std::string shown = HeaderText(discount);
  if (header.size() + shown.size() <= kHeaderLimit) return header + shown;
  const std::string_view cut = "...";
  std::size_t room = kHeaderLimit - header.size() - cut.size();
  while (room > 0 && (static_cast<unsigned char>(shown[room]) & 0xC0) == 0x80) --room;
  // A doubled "&" is never split: the first of a pair would start a control code.
  std::size_t ampersands = 0;
  while (ampersands < room && shown[room - 1 - ampersands] == '&') ++ampersands;
  if (ampersands % 2 == 1) --room;
  return header + shown.substr(0, room) + std::string(cut);
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

void WriteSheet(lxw_workbook* book, const Section& section, const std::vector<PriceListRow>& rows,
                const std::string& header) {
  lxw_worksheet* sheet = workbook_add_worksheet(book, section.sheetName);
  lxw_format* heading = workbook_add_format(book);
  format_set_bold(heading);
  lxw_format* amount = workbook_add_format(book);
  format_set_num_format(amount, "#,##0.00");
  Check(worksheet_set_header(sheet, header.c_str()));

  const auto lastColumn = static_cast<lxw_col_t>(section.columns.size() - 1);
  for (lxw_col_t column = 0; column <= lastColumn; ++column) {
    const Column& c = section.columns[column];
    Check(worksheet_write_string(sheet, 0, column, c.heading, heading));
    worksheet_set_column(sheet, column, column, c.width, nullptr);
  }
  const bool withDiscount = section.kind == PriceKind::New || section.kind == PriceKind::CrossGrade;
  lxw_row_t line = 0;
  for (const PriceListRow& row : rows) {
    if (row.kind != section.kind) continue;
    ++line;
    lxw_col_t column = 0;
    Check(worksheet_write_string(sheet, line, column++, row.from.c_str(), nullptr));
    if (section.kind == PriceKind::CrossGrade)
      Check(worksheet_write_string(sheet, line, column++, row.to.c_str(), nullptr));
    if (withDiscount)
      Check(worksheet_write_string(sheet, line, column++, row.discount.c_str(), nullptr));
    if (row.Refused()) {
      Check(worksheet_write_string(sheet, line, column + 2, row.refusal.c_str(), nullptr));
      continue;
    }
    Check(worksheet_write_number(sheet, line, column++, ShownAmount(row.excludingAmount), amount));
    Check(worksheet_write_number(sheet, line, column, ShownAmount(row.includingAmount), amount));
  }
  worksheet_freeze_panes(sheet, 1, 0);
  Check(worksheet_autofilter(sheet, 0, 0, line, lastColumn));
}

}  // namespace

std::string WritePriceListXlsx(const std::vector<PriceListRow>& rows, std::string_view discount,
                               const std::string& path) {
  const std::string header = SheetHeader(discount);
  Workbook workbook(path, FolderOf(path));
  if (workbook.book_ == nullptr) return "the workbook could not be created";
  try {
    for (const Section& section : kSections) WriteSheet(workbook.book_, section, rows, header);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return workbook.Close();
}

}  // namespace corvane

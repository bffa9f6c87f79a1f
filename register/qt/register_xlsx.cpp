#include "register/qt/register_xlsx.h"

#include <xlsxwriter.h>

#include <cstdlib>

#include "register/register_table.h"

namespace corvane {

bool WriteRegisterXlsx(const std::string& path, const std::vector<Quotation>& quotations,
                       QuoteDate today) {
  lxw_workbook* workbook = workbook_new(path.c_str());
  if (!workbook) return false;
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Quotes");
  lxw_format* heading = workbook_add_format(workbook);
  format_set_bold(heading);
  lxw_format* money = workbook_add_format(workbook);
  format_set_num_format(money, "#,##0.00");
  lxw_format* day = workbook_add_format(workbook);
  format_set_num_format(day, "yyyy-mm-dd");
  const std::vector<std::string> headings = RegisterTableHeadings();
  for (std::size_t c = 0; c < headings.size(); ++c) {
    worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), headings[c].c_str(), heading);
  }
  lxw_row_t r = 1;
  for (const auto& row : RegisterTableRows(quotations, today)) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      const TableCell& cell = row[c];
      const auto col = static_cast<lxw_col_t>(c);
      if (cell.number) {
        // A spreadsheet keeps numbers as doubles; the amounts here are to the cent and exact in
        // one up to many billions.
        const bool whole = cell.text.find('.') == std::string::npos;
        worksheet_write_number(sheet, r, col, std::strtod(cell.text.c_str(), nullptr),
                               whole ? nullptr : money);
      } else if (cell.date && cell.text.size() == 10) {
        lxw_datetime date{};
        date.year = std::atoi(cell.text.substr(0, 4).c_str());
        date.month = std::atoi(cell.text.substr(5, 2).c_str());
        date.day = std::atoi(cell.text.substr(8, 2).c_str());
        worksheet_write_datetime(sheet, r, col, &date, day);
      } else {
        worksheet_write_string(sheet, r, col, cell.text.c_str(), nullptr);
      }
    }
    ++r;
  }
  worksheet_set_column(sheet, 0, 0, 16, nullptr);
  worksheet_set_column(sheet, 6, 6, 30, nullptr);
  worksheet_freeze_panes(sheet, 1, 0);
  return workbook_close(workbook) == LXW_NO_ERROR;
}

}  // namespace corvane

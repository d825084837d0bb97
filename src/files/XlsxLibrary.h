// libxlsxwriter, opened when the first workbook is written: linked into the programs, it and the
// libraries it needs would be loaded at every start of the calculator.
#pragma once

#include <xlsxwriter.h>

// The functions the workbook writer calls.
struct TXlsxLibrary {
  decltype(&::workbook_new_opt) workbook_new_opt;
  decltype(&::workbook_add_worksheet) workbook_add_worksheet;
  decltype(&::workbook_add_format) workbook_add_format;
  decltype(&::workbook_close) workbook_close;
  decltype(&::format_set_font_color) format_set_font_color;
  decltype(&::format_set_bold) format_set_bold;
  decltype(&::format_set_italic) format_set_italic;
  decltype(&::format_set_underline) format_set_underline;
  decltype(&::format_set_num_format) format_set_num_format;
  decltype(&::worksheet_write_string) worksheet_write_string;
  decltype(&::worksheet_write_number) worksheet_write_number;
  decltype(&::worksheet_freeze_panes) worksheet_freeze_panes;
  decltype(&::worksheet_set_column) worksheet_set_column;
  decltype(&::lxw_strerror) lxw_strerror;
};

// The library's functions; nothing when it is not installed or lacks one of them.
const TXlsxLibrary* XlsxLibrary();

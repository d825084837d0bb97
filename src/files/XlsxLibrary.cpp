#include "XlsxLibrary.h"

#include <QLibrary>
#include <memory>

namespace {

std::unique_ptr<TXlsxLibrary> Open() {
  // The major version the header belongs to, so the functions have the signatures compiled in.
  QLibrary Library(QStringLiteral("xlsxwriter"), 4);
  if (!Library.load()) return nullptr;
  auto Functions = std::make_unique<TXlsxLibrary>();
  bool Complete = true;
  const auto Find = [&](auto& Function, const char* Name) {
    Function = reinterpret_cast<std::remove_reference_t<decltype(Function)>>(Library.resolve(Name));
    Complete = Complete && Function != nullptr;
  };
  Find(Functions->workbook_new_opt, "workbook_new_opt");
  Find(Functions->workbook_add_worksheet, "workbook_add_worksheet");
  Find(Functions->workbook_add_format, "workbook_add_format");
  Find(Functions->workbook_close, "workbook_close");
  Find(Functions->format_set_font_color, "format_set_font_color");
  Find(Functions->format_set_bold, "format_set_bold");
  Find(Functions->format_set_italic, "format_set_italic");
  Find(Functions->format_set_underline, "format_set_underline");
  Find(Functions->format_set_num_format, "format_set_num_format");
  Find(Functions->worksheet_write_string, "worksheet_write_string");
  Find(Functions->worksheet_write_number, "worksheet_write_number");
  Find(Functions->worksheet_freeze_panes, "worksheet_freeze_panes");
  Find(Functions->worksheet_set_column, "worksheet_set_column");
  Find(Functions->lxw_strerror, "lxw_strerror");
  // Kept loaded for the rest of the run: the functions are used again at the next save.
  if (!Complete) return nullptr;
  return Functions;
}

}  // namespace

const TXlsxLibrary* XlsxLibrary() {
  static const std::unique_ptr<TXlsxLibrary> Functions = Open();
  return Functions.get();
}

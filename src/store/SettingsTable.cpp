#include "SettingsTable.h"

#include <array>
#include <limits>

namespace {

using S = TCalcSettings;
using K = TSettingKind;

constexpr std::int32_t NoMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t NoMax = std::numeric_limits<std::int32_t>::max();

// Builders that keep each row's kind and field type together.
constexpr TSettingRow Integer(std::string_view Group, std::string_view Name, std::int32_t S::*Field,
                              std::string_view Default, std::int32_t Min, std::int32_t Max) {
  return {Group, Name, K::Integer, Default, Min, Max, Field, Field};
}
constexpr TSettingRow Boolean(std::string_view Group, std::string_view Name, bool S::*Field,
                              std::string_view Default) {
  return {Group, Name, K::Boolean, Default, NoMin, NoMax, Field, Field};
}
constexpr TSettingRow Text(std::string_view Group, std::string_view Name, std::string S::*Field,
                           std::string_view Default, TSettingKind Kind = K::Text,
                           std::int32_t MaxLength = NoMax) {
  return {Group, Name, Kind, Default, NoMin, MaxLength, Field, Field};
}
constexpr TSettingRow Note(std::size_t Index, std::string_view Name) {
  return {"Annot",          Name, K::Text, "", NoMin, S::MaxNoteLength, TNoteField{Index},
          TNoteField{Index}};
}

constexpr std::array Rows{
    Integer("Tape", "NumOpt", &S::NumOpt, "1", 1, 4),
    Integer("Tape", "Digits", &S::Digits, "2", 0, 18),
    Integer("Tape", "FontSize", &S::TapeFontSize, "8", 5, 20),
    Text("Tape", "FontName", &S::TapeFontName, "", K::TrimmedText, S::MaxFontNameLength),
    Boolean("Tape", "Hide", &S::HideTape, "0"),
    Boolean("Form", "OnTop", &S::OnTop, "0"),
    Boolean("Form", "Toolbar", &S::ToolBar, "1"),
    Boolean("Form", "Statusbar", &S::StatusBar, "1"),
    Text("Form", "Language", &S::Language, "", K::TrimmedText, S::MaxLanguageLength),
    // The zoom wanted is read; the zoom laid out is what the user last saw, and is written.
    TSettingRow{"Form", "Large", K::Boolean, "0", NoMin, NoMax, &S::Large, &S::LargeApplied},
    Boolean("Totals", "Bold", &S::TotalsBold, "1"),
    Boolean("Totals", "Under", &S::TotalsUnder, "1"),
    Boolean("Totals", "Red", &S::TotalsRed, "0"),
    Boolean("Expand", "Subtotals", &S::Subtotals, "1"),
    Boolean("Expand", "ExpandOper", &S::ExpandOper, "1"),
    Integer("Expand", "SubTotalsSymIndex", &S::SubTotalsSymIndex, "1", 0, 4),
    Integer("Expand", "ExpandOperSymIndex", &S::ExpandOperSymIndex, "2", 0, 4),
    Text("Expand", "SubTotalsColor", &S::SubTotalsColor, S::DefaultSubTotalsColor, K::Colour),
    Text("Expand", "ExpandOperColor", &S::ExpandOperColor, S::DefaultExpandOperColor, K::Colour),
    Boolean("Math", "Dumb", &S::Dumb, "0"),
    // Empty means the per-user data folder, wherever the platform keeps it.
    Text("Dir", "SaveDest", &S::SaveDest, ""),
    Text("Dir", "SaveTape", &S::SaveTape, ""),
    Text("Dir", "RecentTapes", &S::RecentTapes, ""),
    TSettingRow{"Mem", "MemNum", K::Float, "0.0", NoMin, NoMax, TMemoryField{}, TMemoryField{}},
    TSettingRow{"Tax", "TaxRate", K::Float, "0.1", NoMin, NoMax, &S::TaxRate, &S::TaxRate},
    Text("Tax", "TaxLit", &S::TaxLit, "Tax", K::Text, S::MaxTaxLitLength),
    Note(0, "Note1"),
    Note(1, "Note2"),
    Note(2, "Note3"),
    Note(3, "Note4"),
    Note(4, "Note5"),
    Note(5, "Note6"),
    Note(6, "Note7"),
    Note(7, "Note8"),
    Note(8, "Note9"),
    Note(9, "Note10"),
    Text("Annot", "AnnotColor", &S::AnnotColor, S::DefaultAnnotColor, K::Colour),
    Boolean("Annot", "Italics", &S::AnnotItalics, "0"),
    Boolean("Annot", "Under", &S::AnnotUnder, "0"),
    Integer("Tape", "PagePaper", &S::PagePaper, "-1", -1, S::MaxPagePaper),
    Integer("Tape", "PageOrientation", &S::PageOrientation, "0", 0, 1),
    Integer("Tape", "PageMarginLeft", &S::PageMarginLeft, "-1", -1, S::MaxPageMargin),
    Integer("Tape", "PageMarginTop", &S::PageMarginTop, "-1", -1, S::MaxPageMargin),
    Integer("Tape", "PageMarginRight", &S::PageMarginRight, "-1", -1, S::MaxPageMargin),
    Integer("Tape", "PageMarginBottom", &S::PageMarginBottom, "-1", -1, S::MaxPageMargin),
};

static_assert(std::tuple_size_v<TNoteTexts> == 10, "the table names ten notes");

}  // namespace

std::string TSettingRow::Key() const {
  std::string Text(Group);
  Text += '/';
  Text += Name;
  return Text;
}

std::span<const TSettingRow> SettingRows() {
  return Rows;
}

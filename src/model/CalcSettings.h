// The calculator's settings record: every preference kept between runs, with the values a
// first run starts from. The model owns the one instance; the window, the options dialog, the
// tape and the annotation dialog read it, and the model applies it to the engines.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// The remembered annotation texts, Note1 first; empty where fewer are remembered.
using TNoteTexts = std::array<std::string, 10>;

struct TCalcSettings {
  // Colour texts a line falls back to when its stored colour cannot be read.
  static constexpr const char* DefaultSubTotalsColor = "clGreen";
  static constexpr const char* DefaultExpandOperColor = "clBlue";
  static constexpr const char* DefaultAnnotColor = "clBlue";

  std::int32_t NumOpt = 1;  // 1 General, 2 Scientific, 3 Currency, 4 Fixed
  std::int32_t Digits = 2;  // decimals of Scientific and Fixed
  bool Subtotals = true;
  bool ExpandOper = true;
  std::int32_t SubTotalsSymIndex = 1;   // 0 none, 1 "{ }", 2 "[ ]", 3 "( )", 4 "< >"
  std::int32_t ExpandOperSymIndex = 2;  // same codes
  std::string SubTotalsColor = DefaultSubTotalsColor;
  std::string ExpandOperColor = DefaultExpandOperColor;
  bool Dumb = false;  // true: "As Entered", false: "Arithmetic"
  bool TotalsBold = true;
  bool TotalsUnder = true;
  bool TotalsRed = false;  // negative totals in red
  std::string AnnotColor = DefaultAnnotColor;
  bool AnnotItalics = false;
  bool AnnotUnder = false;
  TNoteTexts Notes;
  double TaxRate = 0.1;  // a fraction: 0.1 is 10 %
  // The highest rate a user may set, in per cent (the options and veltrona-tape's --tax-rate).
  static constexpr double MaxTaxRatePercent = 999;
  // The longest texts kept, in characters: the tax name the Options dialog takes, a font
  // family name, and a note the Annotation dialog takes.
  static constexpr std::int32_t MaxTaxLitLength = 3;
  static constexpr std::int32_t MaxFontNameLength = 64;
  static constexpr std::int32_t MaxNoteLength = 27;
  static constexpr std::int32_t MaxLanguageLength = 8;
  std::string TaxLit = "Tax";
  std::string SaveDest;       // folder of the history files
  std::string SaveTape;       // folder last used to save the tape
  bool Large = false;         // Large Size wanted
  bool LargeApplied = false;  // Large Size laid out; only the window's arrangement changes it

  // View preferences; the menu check marks follow them.
  bool ToolBar = true;
  bool StatusBar = true;
  bool HideTape = false;
  bool OnTop = false;
  std::string TapeFontName;  // empty: the tape's designed font
  std::int32_t TapeFontSize = 8;
  // The language the window and veltrona-tape speak from their next start: "en", "de", "fr",
  // "es"; empty (or any other) for the system's.
  std::string Language;

  // The Page Setup choice for printing and PDF pages: a paper size by its number in the
  // desktop's list of sizes (-1: the printer's own), portrait (0) or landscape (1), and the
  // margins in tenths of a millimetre (-1: the printer's own).
  static constexpr std::int32_t MaxPagePaper = 118;
  static constexpr std::int32_t MaxPageMargin = 5000;
  std::int32_t PagePaper = -1;
  std::int32_t PageOrientation = 0;
  std::int32_t PageMarginLeft = -1;
  std::int32_t PageMarginTop = -1;
  std::int32_t PageMarginRight = -1;
  std::int32_t PageMarginBottom = -1;

  // The tape documents last opened or saved, newest first, one path a line.
  static constexpr std::size_t MaxRecentTapes = 8;
  std::string RecentTapes;

  bool operator==(const TCalcSettings&) const = default;
};

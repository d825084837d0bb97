// One tape with a line of every kind and form, and what a spreadsheet row says of each: its
// operation word, its value, its text cell and its value's number format. The CSV test and the
// workbook test both read their rows against this table.
#pragma once

#include <string>
#include <vector>

#include "TapeLine.h"

struct TSpreadsheetCase {
  TTapeLine Line;
  const char* Operator;  // "" for none
  const char* Value;     // as the CSV writes it; "" for none
  const char* Text;      // the text cell; "" for none
  const char* NumberFormat;
};

inline constexpr std::uint32_t CaseBlack = 0x000000;
inline constexpr std::uint32_t CaseBlue = 0x0000FF;
inline constexpr std::uint32_t CaseGreen = 0x008000;
inline constexpr std::uint32_t CaseRed = 0xFF0000;
inline const char* const DollarFormat = "\"$\"#,##0.00;\"-$\"#,##0.00";
// "Größe – €5 ½"
inline const char* const NonAsciiNote =
    "Gr\xC3\xB6\xC3\x9F"
    "e \xE2\x80\x93 \xE2\x82\xAC"
    "5 \xC2\xBD";

inline std::vector<TSpreadsheetCase> SpreadsheetCases() {
  using enum TTapeLineKind;
  using namespace TapeFormat;
  const auto Form = [](TVeltronaOper Oper, TVeltronaOper Applied = sceNone,
                       std::int32_t Format = General, std::int32_t Digits = 4, bool Hex = false) {
    return TTapeLineForm{Oper, Applied, Format, Digits, Hex};
  };
  const auto Line = [](const char* Text, TTapeLineKind Kind, std::uint32_t Rgb, TTapeLineForm F,
                       bool Bold = false, bool Italic = false, bool Underline = false) {
    return TTapeLine{Text, Kind, Rgb, Bold, Italic, Underline, F};
  };
  return {
      {Line("  9", Entry, CaseBlack, Form(sceStart)), "add", "9", "", "General"},
      {Line("+ 380.5", Entry, CaseBlack, Form(sceAdd)), "add", "380.5", "", "General"},
      {Line("- 99", Entry, CaseBlack, Form(sceMinus)), "subtract", "99", "", "General"},
      {Line("* 2", Entry, CaseBlack, Form(sceTimes)), "multiply", "2", "", "General"},
      {Line("/ 4", Entry, CaseBlack, Form(sceDivide)), "divide", "4", "", "General"},
      {Line("+ Sqrt(16)", Entry, CaseBlack, Form(sceAdd, sceSqrt)), "add sqrt", "16", "",
       "General"},
      {Line("[Sqrt(16) = 4]", Expanded, CaseBlue, Form(sceSqrt)), "sqrt", "4", "[Sqrt(16) = 4]",
       "General"},
      {Line("{= 13}", SubTotal, CaseGreen, Form(sceNone)), "subtotal", "13", "", "General"},
      {Line("+ 10%", Entry, CaseBlack, Form(scePercenAdd)), "add-percent", "10", "", "General"},
      {Line("  100 +GST", Entry, CaseBlack, Form(sceStart, scePlusTax)), "add add-tax", "100", "",
       "General"},
      {Line("[100 +10% GST", Expanded, CaseBlue, Form(scePlusTax)), "add-tax", "", "[100 +10% GST",
       ""},
      {Line(" = 110]", Expanded, CaseBlue, Form(scePlusTax)), "add-tax", "110", " = 110]",
       "General"},
      {Line("= $1,569.55", Total, CaseBlack, Form(sceEquals, sceNone, Currency), true, false, true),
       "total", "1569.55", "", DollarFormat},
      {Line("= -7", Total, CaseRed, Form(sceEquals), true, false, true), "total", "-7", "",
       "General"},
      {Line("+ 1.2345E+3", Entry, CaseBlack, Form(sceAdd, sceNone, Scientific, 4)), "add", "1234.5",
       "", "0.0000E+0"},
      {Line("+ 1,234.50", Entry, CaseBlack, Form(sceAdd, sceNone, Fixed, 2)), "add", "1234.5", "",
       "#,##0.00"},
      {Line("+ 3", Entry, CaseBlack, Form(sceAdd, sceNone, Fixed, 0)), "add", "3", "", "#,##0"},
      {Line("+ xFF", Entry, CaseBlack, Form(sceAdd, sceNone, Currency, 4, true)), "add", "255", "",
       "General"},
      {Line("= xFFFFFFFFFFFFFFFF", Total, CaseRed, Form(sceEquals, sceNone, General, 4, true), true,
            false, true),
       "total", "-1", "", "General"},
      {Line("+ Sin(30\xC2\xB0)", Entry, CaseBlack, Form(sceAdd, sceSin, Currency)), "add sin", "30",
       "", "General"},
      {Line("= Too Large to Show as Hex", Total, CaseBlack,
            Form(sceEquals, sceNone, General, 4, true), true, false, true),
       "total", "", "= Too Large to Show as Hex", ""},
      {Line("Cannot Divide by Zero", Error, CaseRed, Form(sceNone)), "", "",
       "Cannot Divide by Zero", ""},
      {Line("= 1569.55", Note, CaseBlue, Form(sceNone), false, true), "", "", "= 1569.55", ""},
      {Line("+ 380.5 +Tax", Note, CaseBlue, Form(sceNone), false, true), "", "", "+ 380.5 +Tax",
       ""},
      {Line("-1", Note, CaseBlue, Form(sceNone), false, true), "", "", "-1", ""},
      {Line("@SUM(A1)", Note, CaseBlue, Form(sceNone), false, true), "", "", "@SUM(A1)", ""},
      {Line("a < b & \"c\", tab\there", Note, CaseBlue, Form(sceNone), false, true), "", "",
       "a < b & \"c\", tab\there", ""},
      {Line(NonAsciiNote, Note, CaseBlue, Form(sceNone), false, true), "", "", NonAsciiNote, ""},
      {Line("------------", Separator, CaseBlack, Form(sceNone)), "", "", "", ""},
  };
}

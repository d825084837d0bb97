// The terminal's tape: right-aligned lines, the look of each kind in ANSI codes, and error
// boxes on the error output.
#include <gtest/gtest.h>

#include <sstream>

#include "TapeCodes.h"
#include "TapeWriter.h"

namespace {

struct TLine {
  std::int32_t Attr;
  const char* Text;
  bool Negative;
};

std::string Written(TTapeOutput Output, int Width, const TCalcSettings& Settings,
                    std::initializer_list<TLine> Lines) {
  std::ostringstream Out, Err;
  TTapeWriter Writer(Out, Err, Output, Width, Settings, TFormatSettings{});
  for (const TLine& Line : Lines) Writer.AppendTapeLine(Line.Text, Line.Attr, Line.Negative, {});
  return Out.str();
}

TEST(TapeWriter, LinesAreRightAligned) {
  EXPECT_EQ(Written(TTapeOutput::Plain, 8, {},
                    {{TapeAttr::Entry, "  2", false},
                     {TapeAttr::Entry, "Sin(9°)", false},
                     {TapeAttr::Total, "= 1234567890", false}}),
            "       2\n Sin(9°)\n= 1234567890\n");
}

TEST(TapeWriter, EachKindHasItsLook) {
  TCalcSettings Red;
  Red.TotalsRed = true;
  TCalcSettings Plain;
  Plain.TotalsBold = Plain.TotalsUnder = false;
  Plain.SubTotalsColor = "$00123456";
  struct TCase {
    const char* Name;
    const TCalcSettings& Settings;
    TLine Line;
    const char* Out;
  };
  const TCase Cases[] = {
      {"entry", Red, {TapeAttr::Entry, "+ 3", false}, "  + 3\n"},
      {"total", Red, {TapeAttr::Total, "= 14", false}, " \x1b[1;4m= 14\x1b[0m\n"},
      {"negative total", Red, {TapeAttr::Total, "= -2", true}, " \x1b[1;4;91m= -2\x1b[0m\n"},
      {"negative total, not red", Plain, {TapeAttr::Total, "= -2", true}, " = -2\n"},
      {"subtotal", Red, {TapeAttr::SubTotal, "{= 5}", false}, "\x1b[32m{= 5}\x1b[0m\n"},
      {"subtotal, own colour",
       Plain,
       {TapeAttr::SubTotal, "{= 5}", false},
       "\x1b[38;2;86;52;18m{= 5}\x1b[0m\n"},
      {"expanded", Red, {TapeAttr::Expanded, "[x]", false}, "  \x1b[94m[x]\x1b[0m\n"},
      {"error", Red, {TapeAttr::Error, "Bad", false}, "  \x1b[91mBad\x1b[0m\n"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    EXPECT_EQ(Written(TTapeOutput::Styled, 5, Case.Settings, {Case.Line}), Case.Out);
    EXPECT_EQ(Written(TTapeOutput::Plain, 5, Case.Settings, {Case.Line}).find('\x1b'),
              std::string::npos);
  }
}

TEST(TapeWriter, CsvRowsAfterTheHeader) {
  std::ostringstream Out, Err;
  TTapeWriter Writer(Out, Err, TTapeOutput::Csv, 40, {}, TFormatSettings{});
  Writer.AppendTapeLine("  2", TapeAttr::Entry, false, {sceStart});
  Writer.AppendTapeLine("- 3", TapeAttr::Entry, false, {sceMinus});
  Writer.AppendTapeLine("= -1", TapeAttr::Total, true, {sceEquals});
  EXPECT_EQ(Out.str(),
            "kind,operator,value,text\r\nentry,add,2,\r\nentry,subtract,3,\r\n"
            "total,total,-1,\r\n");
}

// For the workbook: every line's record with its form, in its look on paper.
TEST(TapeWriter, KeptLinesHaveTheirLookOnPaper) {
  std::ostringstream Out, Err;
  TTapeWriter Writer(Out, Err, TTapeOutput::Plain, 10, {}, TFormatSettings{});
  Writer.AppendTapeLine("  2", TapeAttr::Entry, false, {sceStart});
  Writer.KeepLines();
  Writer.AppendTapeLine("+ 3", TapeAttr::Entry, false, {sceAdd});
  Writer.AppendTapeLine("{= 5}", TapeAttr::SubTotal, false, {});
  Writer.AppendTapeLine("= -1", TapeAttr::Total, true, {sceEquals});
  ASSERT_EQ(Writer.Lines().size(), 3u) << "kept from KeepLines on";
  EXPECT_EQ(Writer.Lines()[0],
            (TTapeLine{"+ 3", TTapeLineKind::Entry, 0, false, false, false, {sceAdd}}));
  EXPECT_EQ(Writer.Lines()[1].Rgb, 0x008000u) << "subtotals green";
  EXPECT_TRUE(Writer.Lines()[2].Bold && Writer.Lines()[2].Underline);
  EXPECT_EQ(Writer.Lines()[2].Form.Oper, sceEquals);
}

TEST(TapeWriter, ErrorsAreCountedAndNotRepeated) {
  std::ostringstream Out, Err;
  TTapeWriter Writer(Out, Err, TTapeOutput::Plain, 1, {}, TFormatSettings{});
  EXPECT_FALSE(Writer.SawError());
  Writer.AppendTapeLine("Cannot Divide by Zero", TapeAttr::Error, false, {});
  Writer.ShowErrorMessage("Cannot Divide by Zero");
  EXPECT_TRUE(Writer.SawError());
  Writer.ShowErrorMessage("Invalid Number");
  EXPECT_EQ(Err.str(), "veltrona-tape: Invalid Number\n");
  EXPECT_EQ(Writer.TapeEndPosition(), 22);

  std::ostringstream Out2, Err2;
  TTapeWriter Boxes(Out2, Err2, TTapeOutput::Plain, 1, {}, TFormatSettings{});
  Boxes.ShowErrorMessage("Equation Limit Reached!");
  EXPECT_TRUE(Boxes.SawError());
}

}  // namespace

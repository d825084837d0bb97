// The tape's files that need no widget, each checked by reading it back: the plain text byte
// for byte, the rich text through unrtf (text, colours, styles, alignment) and its escapes,
// the CSV row by row (operation word, value, text cell) with the value read out of every tape
// form.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "OutputReaders.h"
#include "SampleTape.h"
#include "SpreadsheetCases.h"
#include "TapeWriters.h"

namespace {

using enum TTapeLineKind;

TEST(TapeWriters, FileFormatFollowsTheExtensionInAnyCase) {
  const struct {
    const char* Name;
    TTapeFileFormat Format;
  } Rows[] = {
      {"/home/a/tape.txt", TTapeFileFormat::Text},
      {"/home/a/tape.rtf", TTapeFileFormat::RichText},
      {"C:\\Tapes\\TAPE.RTF", TTapeFileFormat::RichText},
      {"tape.Rtf", TTapeFileFormat::RichText},
      {"tape.pdf", TTapeFileFormat::Pdf},
      {"tape.PdF", TTapeFileFormat::Pdf},
      {"tape.csv", TTapeFileFormat::Csv},
      {"tape.CSV", TTapeFileFormat::Csv},
      {"tape.xlsx", TTapeFileFormat::Workbook},
      {"TAPE.XLSX", TTapeFileFormat::Workbook},
      {"tape.xls", TTapeFileFormat::Text},
      {"tape.doc", TTapeFileFormat::Text},
      {"tape", TTapeFileFormat::Text},
      {"tape.rtf.txt", TTapeFileFormat::Text},
      {"tape.txt.rtf", TTapeFileFormat::RichText},
      {"/home/a.rtf/tape", TTapeFileFormat::Text},  // the folder's extension is not the file's
      {"C:\\a.rtf\\tape", TTapeFileFormat::Text},
      {"C:tape", TTapeFileFormat::Text},
      {"tape.rtf ", TTapeFileFormat::Text},
      {"tape.", TTapeFileFormat::Text},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Name);
    EXPECT_EQ(TapeFileFormat(Row.Name), Row.Format);
  }
}

TEST(TapeWriters, PlainTextIsEveryLineWithCrLfInUtf8) {
  EXPECT_EQ(TapeText(SampleTape()), std::string("  9\r\n+ Sqrt(16)\r\n[Sqrt(16) = 4]\r\n{= 13}\r\n"
                                                "- 20\r\n= -7\r\nCannot Divide by Zero\r\n"
                                                "Fuel {\\b x}\\par\r\n") +
                                        SampleUnicodeNote + "\r\n------------\r\n");
  EXPECT_EQ(TapeText({}), "") << "an empty tape is an empty file";
}

class RichText : public testing::Test {
 protected:
  // The RTF of Lines as unrtf reads it back.
  TRichTextRead ReadBack(const std::vector<TTapeLine>& Lines, const TTapeFont& Font) {
    const QString File = Dir.filePath(QStringLiteral("tape.rtf"));
    std::ofstream(File.toStdString(), std::ios::binary) << TapeRichText(Lines, Font);
    return ReadRichText(File);
  }

  QTemporaryDir Dir;
};

TEST_F(RichText, ReadsBackWithEveryLineInItsLook) {
  const TRichTextRead Read = ReadBack(SampleTape(), {"DejaVu Sans", 8});
  EXPECT_EQ(Read.Font, "DejaVu Sans");
  const std::vector<TReadLine> Expected = {
      {"9", "#000000", false, false, false, true},
      {"+ Sqrt(16)", "#000000", false, false, false, true},
      {"[Sqrt(16) = 4]", "#0000ff", false, false, false, true},
      {"{= 13}", "#008000", false, false, false, true},
      {"- 20", "#000000", false, false, false, true},
      {"= -7", "#ff0000", true, false, true, true},
      {"Cannot Divide by Zero", "#ff0000", false, false, false, true},
      {"Fuel {\\b x}\\par", "#0000ff", false, true, false, true},
      {SampleUnicodeNote, "#0000ff", false, true, false, true},
      {"------------", "#000000", false, false, false, true},
  };
  EXPECT_EQ(Read.Lines, Expected);
}

TEST_F(RichText, AnEmptyTapeIsADocumentWithoutLines) {
  const std::string Rtf = TapeRichText({}, {"DejaVu Sans", 8});
  EXPECT_TRUE(Rtf.starts_with("{\\rtf1") && Rtf.ends_with("}\r\n")) << Rtf;
  EXPECT_EQ(ReadBack({}, {"DejaVu Sans", 8}).Lines, std::vector<TReadLine>{});
}

TEST_F(RichText, EveryCharacterOfUserTextIsEscaped) {
  const struct {
    const char* Text;
    const char* Written;
  } Rows[] = {
      {"a\\b", "a\\\\b"},
      {"{\\b x}\\par", "\\{\\\\b x\\}\\\\par"},
      {"tab\there", "tab\\'09here"},
      {"\x7F", "\\'7f"},
      {"caf\xC3\xA9", "caf\\u233\\'3f"},
      {"5 \xE2\x82\xAC", "5 \\u8364\\'3f"},
      {"\xEF\xBF\xBD", "\\u-3\\'3f"},  // above 32767: negative, as RTF reads a signed 16-bit
      {"\xF0\x9F\x98\x80", "\\u-10179\\'3f\\u-8704\\'3f"},  // a surrogate pair
      {"\xC3(", "\\u-3\\'3f("},                             // a broken sequence
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Written);
    const std::string Rtf = TapeRichText({{Row.Text, Note, SampleBlue}}, {"DejaVu Sans", 8});
    EXPECT_NE(Rtf.find(std::string("\\cf1 ") + Row.Written + "\\par"), std::string::npos) << Rtf;
    for (const char C : Rtf) EXPECT_GT(static_cast<signed char>(C), 0) << "only ASCII in " << Rtf;
  }
}

TEST_F(RichText, FontNameAndSizeGoInTheirTable) {
  const std::string Rtf = TapeRichText({{"1", Entry, SampleBlack}}, {"Caf\xC3\xA9 {Sans};", 10.5});
  EXPECT_NE(Rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 Caf\\u233\\'3f \\{Sans\\};}}"),
            std::string::npos)
      << Rtf;
  EXPECT_NE(Rtf.find("\\fs21\\cf1 1\\par"), std::string::npos) << Rtf;
}

TEST_F(RichText, EveryCharacterOfANonAsciiNoteComesBack) {
  // Readers that skip the stand-in "?" too eagerly would drop the letter after each escape.
  const TRichTextRead Read = ReadBack({{NonAsciiNote, Note, SampleBlue}}, {"DejaVu Sans", 8});
  ASSERT_EQ(Read.Lines.size(), 1u);
  EXPECT_EQ(Read.Lines[0].Text, NonAsciiNote);
}

// A CSV field as the writer quotes it.
std::string CsvField(std::string_view Text) {
  const bool Quoted = Text.find_first_of(",\"\r\n") != std::string_view::npos ||
                      (!Text.empty() && (Text.front() == ' ' || Text.back() == ' '));
  if (!Quoted) return std::string(Text);
  std::string Field = "\"";
  for (const char C : Text) Field += C == '"' ? std::string("\"\"") : std::string(1, C);
  return Field + '"';
}

TEST(TapeCsv, OneRowPerLineWithItsKindOperatorValueAndText) {
  const std::vector<TSpreadsheetCase> Cases = SpreadsheetCases();
  std::vector<TTapeLine> Lines;
  std::string Expected = "\xEF\xBB\xBFkind,operator,value,text\r\n";
  for (const TSpreadsheetCase& Case : Cases) {
    Lines.push_back(Case.Line);
    // Only the text column may start like a formula, and is guarded there.
    std::string Text = Case.Text;
    const std::size_t First = Text.find_first_not_of(' ');
    if (First != std::string::npos &&
        std::string_view("=+-@").find(Text[First]) != std::string::npos)
      Text.insert(0, "'");
    Expected += std::string(TapeLineKindName(Case.Line.Kind)) + "," + Case.Operator + "," +
                Case.Value + "," + CsvField(Text) + "\r\n";
  }
  EXPECT_EQ(TapeCsv(Lines, TFormatSettings{}), Expected);
  EXPECT_EQ(TapeCsv({}, TFormatSettings{}), "\xEF\xBB\xBFkind,operator,value,text\r\n");
}

TEST(TapeCsv, NoFieldButTheGuardedTextStartsLikeAFormula) {
  for (const TSpreadsheetCase& Case : SpreadsheetCases()) {
    const std::string Row = TapeCsvRow(Case.Line, TFormatSettings{});
    SCOPED_TRACE(Row);
    std::size_t Start = 0;
    for (int Field = 0; Field < 3; ++Field) {
      const std::size_t End = Row.find(',', Start);
      ASSERT_NE(End, std::string::npos);
      if (End > Start) {
        const char First = Row[Start];
        EXPECT_TRUE(std::string_view("=+@").find(First) == std::string_view::npos &&
                    (First != '-' || Field == 2))
            << "field " << Field;
      }
      Start = End + 1;
    }
  }
}

TEST(TapeCsv, QuotesAndFormulaGuards) {
  const struct {
    const char* Text;
    const char* Field;
  } Rows[] = {
      {"plain", "plain"},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\r\nlines", "\"two\r\nlines\""},
      {" padded ", "\" padded \""},
      {"=1+2", "'=1+2"},
      {"+1", "'+1"},
      {"-1", "'-1"},
      {"@SUM(A1)", "'@SUM(A1)"},
      {"  =HYPERLINK(\"x\")", "\"'  =HYPERLINK(\"\"x\"\")\""},
      {"\t=1", "'\t=1"},
      {"a=1", "a=1"},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Text);
    EXPECT_EQ(TapeCsv({{Row.Text, Note}}, TFormatSettings{}),
              std::string("\xEF\xBB\xBFkind,operator,value,text\r\nnote,,,") + Row.Field + "\r\n");
  }
}

TEST(TapeCsv, ValueOfEveryTapeForm) {
  const TFormatSettings Dflt{};
  const TFormatSettings Euro{",", ".", "# \xE2\x82\xAC", "-# \xE2\x82\xAC", 2};
  const TFormatSettings Paren{".", ",", "$#", "($#)", 2};
  const struct {
    const char* Text;
    TTapeLineKind Kind;
    const TFormatSettings* Fs;
    const char* Value;  // "" where the line has none
  } Rows[] = {
      {"  5", Entry, &Dflt, "5"},
      {"  -5", Entry, &Dflt, "-5"},
      {"+ 3", Entry, &Dflt, "3"},
      {"- 8", Entry, &Dflt, "8"},
      {"* 0.25", Entry, &Dflt, "0.25"},
      {"/ 4", Entry, &Dflt, "4"},
      {"^ 1/ 3", Entry, &Dflt, "3"},
      {"+ 10%", Entry, &Dflt, "10"},
      {"x 10%", Entry, &Dflt, "10"},
      {"  Sqrt(9)", Entry, &Dflt, "9"},
      {"+ Sqrt(9)", Entry, &Dflt, "9"},
      {"+ 1/(4)", Entry, &Dflt, "4"},
      {"+/-(5)", Entry, &Dflt, "5"},
      {"+ Sin(30\xC2\xB0)", Entry, &Dflt, "30"},
      {"  Cos(1.5rd)", Entry, &Dflt, "1.5"},
      {"  Tan(50gr)", Entry, &Dflt, "50"},
      {"  100 +Tax", Entry, &Dflt, "100"},
      {"110 Tax Incl", Entry, &Dflt, "110"},
      {"= 14", Total, &Dflt, "14"},
      {"= -3", Total, &Dflt, "-3"},
      {"{= 2.5}", SubTotal, &Dflt, "2.5"},
      {"(= 2.5)", SubTotal, &Dflt, "2.5"},
      {"= 2.5", SubTotal, &Dflt, "2.5"},
      {"[Sqrt(9) = 3]", Expanded, &Dflt, "3"},
      {"[ASin(0.5) = 30\xC2\xB0]", Expanded, &Dflt, "30"},
      {"[100 +10% Tax = 110]", Expanded, &Dflt, "110"},
      {"[Incl 10% Tax", Expanded, &Dflt, ""},  // the first half of a split line
      {" = 10]", Expanded, &Dflt, "10"},
      {"= $1,234.50", Total, &Dflt, "1234.5"},
      {"= -$1,234.50", Total, &Dflt, "-1234.5"},
      {"+ $1,234,567.00", Entry, &Dflt, "1234567"},
      {"{= ($5.25)}", SubTotal, &Paren, "-5.25"},
      {"+ ($5.25)", Entry, &Paren, "-5.25"},
      {"= 1.234,50 \xE2\x82\xAC", Total, &Euro, "1234.5"},
      {"= -1.234,50 \xE2\x82\xAC", Total, &Euro, "-1234.5"},
      {"+ 1.234,5", Entry, &Euro, "1234.5"},
      {"= 1,234.50", Total, &Dflt, "1234.5"},
      {"= 1.2345E+3", Total, &Dflt, "1234.5"},
      {"+ -1.5E-7", Entry, &Dflt, "-1.5E-7"},
      {"= 1E20", Total, &Dflt, "1E20"},
      {"= 0.33333333333333", Total, &Dflt, "0.33333333333333"},
      {"+ xFF", Entry, &Dflt, "255"},
      {"= xFFFFFFFFFFFFFFFF", Total, &Dflt, "-1"},
      {"{= x1A}", SubTotal, &Dflt, "26"},
      {"= Too Large to Show as Hex", Total, &Dflt, ""},
      {"= Unknown Tape Format!", Total, &Dflt, ""},
      {"= ", Total, &Dflt, ""},
      {"Cannot Divide by Zero", Error, &Dflt, ""},
      {"Fuel 20", Note, &Dflt, ""},
      {"= 5", Note, &Dflt, ""},
      {"------------", Separator, &Dflt, ""},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Text);
    const std::optional<Extended> Value = TapeLineValue({Row.Text, Row.Kind}, *Row.Fs);
    EXPECT_EQ(Value ? NumberText::General(*Value, 18, Dflt) : "", Row.Value);
  }
}

}  // namespace

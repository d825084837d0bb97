// The tape's workbook, read back from its zip with unzip: every cell's type, value, look and
// number format, no formula anywhere, the header row frozen; a calculation's added values sum
// to its total. (A workbook that cannot be written is among the tape's failed saves.)
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <map>
#include <optional>

#include "AtomicFile.h"
#include "OutputReaders.h"
#include "SpreadsheetCases.h"
#include "TapeWorkbook.h"
#include "TapeWriters.h"
#include "VeltronaEval.h"

namespace {

// A cell as a spreadsheet shows it: a text or a number, its look and its number format.
struct TCell {
  bool IsNumber = false;
  std::string Text;  // the text, or the number as written
  bool Formula = false;
  bool Bold = false, Italic = false, Underline = false;
  std::string Color;  // "RRGGBB", empty for the automatic colour
  std::string NumberFormat;
};

struct TSheet {
  std::map<std::pair<int, int>, TCell> Cells;  // by row and column, from 0
  bool HeaderFrozen = false;
  int Columns = 0;  // with a width set

  const TCell* At(int Row, int Column) const {
    const auto It = Cells.find({Row, Column});
    return It == Cells.end() ? nullptr : &It->second;
  }
};

QByteArray Member(const QString& File, const char* Name) {
  return RunReader("unzip", "unzip", {QStringLiteral("-p"), File, QLatin1String(Name)})
      .value_or(QByteArray());
}

// "C12" as row 11, column 2.
std::pair<int, int> CellPlace(QStringView Ref) {
  int Column = 0;
  qsizetype I = 0;
  for (; I < Ref.size() && Ref[I].isLetter(); ++I)
    Column = Column * 26 + (Ref[I].unicode() - 'A' + 1);
  return {Ref.mid(I).toInt() - 1, Column - 1};
}

TSheet ReadSheet(const QString& File) {
  struct TFont {
    bool Bold = false, Italic = false, Underline = false;
    std::string Color;
  };
  struct TXf {
    int NumFmt = 0;
    int Font = 0;
  };
  std::vector<std::string> Strings;
  std::map<int, std::string> NumFmts = {{0, "General"}};
  std::vector<TFont> Fonts;
  std::vector<TXf> Xfs;

  QXmlStreamReader Shared(Member(File, "xl/sharedStrings.xml"));
  while (!Shared.atEnd()) {
    if (Shared.readNext() == QXmlStreamReader::StartElement && Shared.name() == u"si")
      Strings.push_back(
          Shared.readElementText(QXmlStreamReader::IncludeChildElements).toStdString());
  }
  EXPECT_FALSE(Shared.hasError()) << Shared.errorString().toStdString();

  QXmlStreamReader Styles(Member(File, "xl/styles.xml"));
  bool InCellXfs = false, InFonts = false;
  while (!Styles.atEnd()) {
    const auto Token = Styles.readNext();
    const QStringView Name = Styles.name();
    const QXmlStreamAttributes A = Styles.attributes();
    if (Token == QXmlStreamReader::StartElement) {
      if (Name == u"numFmt") {
        NumFmts[A.value(QLatin1String("numFmtId")).toInt()] =
            A.value(QLatin1String("formatCode")).toString().toStdString();
      } else if (Name == u"fonts") {
        InFonts = true;
      } else if (Name == u"font" && InFonts) {
        Fonts.emplace_back();
      } else if (InFonts && !Fonts.empty() && Name == u"b") {
        Fonts.back().Bold = true;
      } else if (InFonts && !Fonts.empty() && Name == u"i") {
        Fonts.back().Italic = true;
      } else if (InFonts && !Fonts.empty() && Name == u"u") {
        Fonts.back().Underline = true;
      } else if (InFonts && !Fonts.empty() && Name == u"color" &&
                 A.hasAttribute(QLatin1String("rgb"))) {
        Fonts.back().Color = A.value(QLatin1String("rgb")).toString().right(6).toStdString();
      } else if (Name == u"cellXfs") {
        InCellXfs = true;
      } else if (Name == u"xf" && InCellXfs) {
        Xfs.push_back(
            {A.value(QLatin1String("numFmtId")).toInt(), A.value(QLatin1String("fontId")).toInt()});
      }
    } else if (Token == QXmlStreamReader::EndElement) {
      if (Name == u"fonts") InFonts = false;
      if (Name == u"cellXfs") InCellXfs = false;
    }
  }
  EXPECT_FALSE(Styles.hasError()) << Styles.errorString().toStdString();

  TSheet Sheet;
  QXmlStreamReader Xml(Member(File, "xl/worksheets/sheet1.xml"));
  std::optional<std::pair<int, int>> Place;
  while (!Xml.atEnd()) {
    const auto Token = Xml.readNext();
    if (Token != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes A = Xml.attributes();
    if (Xml.name() == u"pane") {
      Sheet.HeaderFrozen =
          A.value(QLatin1String("ySplit")) == u"1" && A.value(QLatin1String("state")) == u"frozen";
    } else if (Xml.name() == u"col") {
      Sheet.Columns +=
          A.value(QLatin1String("max")).toInt() - A.value(QLatin1String("min")).toInt() + 1;
    } else if (Xml.name() == u"c") {
      Place = CellPlace(A.value(QLatin1String("r")));
      TCell& Cell = Sheet.Cells[*Place];
      Cell.IsNumber = !A.hasAttribute(QLatin1String("t"));
      EXPECT_TRUE(Cell.IsNumber || A.value(QLatin1String("t")) == u"s")
          << "type " << A.value(QLatin1String("t")).toString().toStdString();
      const std::size_t Xf =
          A.hasAttribute(QLatin1String("s")) ? A.value(QLatin1String("s")).toUInt() : 0;
      if (Xf < Xfs.size()) {
        const TXf& Style = Xfs[Xf];
        Cell.NumberFormat = NumFmts.count(Style.NumFmt) ? NumFmts[Style.NumFmt] : "?";
        if (static_cast<std::size_t>(Style.Font) < Fonts.size()) {
          const TFont& Font = Fonts[static_cast<std::size_t>(Style.Font)];
          Cell.Bold = Font.Bold;
          Cell.Italic = Font.Italic;
          Cell.Underline = Font.Underline;
          Cell.Color = Font.Color;
        }
      }
    } else if (Xml.name() == u"f" && Place) {
      Sheet.Cells[*Place].Formula = true;
    } else if (Xml.name() == u"v" && Place) {
      TCell& Cell = Sheet.Cells[*Place];
      const QString V = Xml.readElementText();
      Cell.Text = Cell.IsNumber ? V.toStdString() : Strings.at(V.toUInt());
    }
  }
  EXPECT_FALSE(Xml.hasError()) << Xml.errorString().toStdString();
  return Sheet;
}

class Workbook : public testing::Test {
 protected:
  TSheet SavedAndRead(const std::vector<TTapeLine>& Lines, const TFormatSettings& Fs = {}) {
    QByteArray Bytes;
    const std::optional<QString> Reason = TapeWorkbook(Lines, Fs, Bytes);
    EXPECT_FALSE(Reason) << Reason->toStdString();
    const QString File = Dir.filePath(QStringLiteral("tape.xlsx"));
    EXPECT_FALSE(WriteFileAtomically(File, Bytes));
    return ReadSheet(File);
  }

  QTemporaryDir Dir;
};

std::string RgbText(std::uint32_t Rgb) {
  if (Rgb == 0) return {};
  char Text[16];
  std::snprintf(Text, sizeof Text, "%06X", Rgb);
  return Text;
}

TEST_F(Workbook, EveryLineIsARowOfTextAndNumberCellsInItsLook) {
  const std::vector<TSpreadsheetCase> Cases = SpreadsheetCases();
  std::vector<TTapeLine> Lines;
  for (const TSpreadsheetCase& Case : Cases) Lines.push_back(Case.Line);
  const TSheet Sheet = SavedAndRead(Lines);

  EXPECT_TRUE(Sheet.HeaderFrozen);
  EXPECT_EQ(Sheet.Columns, 4) << "every column gets a width";
  const char* const Headers[] = {"kind", "operator", "value", "text"};
  for (int Column = 0; Column < 4; ++Column) {
    const TCell* Cell = Sheet.At(0, Column);
    ASSERT_TRUE(Cell);
    EXPECT_EQ(Cell->Text, Headers[Column]);
    EXPECT_TRUE(Cell->Bold);
  }
  for (const auto& [Place, Cell] : Sheet.Cells) EXPECT_FALSE(Cell.Formula) << "no formulas";

  for (std::size_t I = 0; I < Cases.size(); ++I) {
    const TSpreadsheetCase& Case = Cases[I];
    SCOPED_TRACE(Case.Line.Text);
    const int Row = static_cast<int>(I) + 1;
    const auto ExpectText = [&](int Column, std::string_view Text) {
      const TCell* Cell = Sheet.At(Row, Column);
      if (Text.empty()) {
        EXPECT_FALSE(Cell) << "column " << Column << " holds " << (Cell ? Cell->Text : "");
        return;
      }
      ASSERT_TRUE(Cell) << "column " << Column;
      EXPECT_FALSE(Cell->IsNumber);
      EXPECT_EQ(Cell->Text, Text);
    };
    ExpectText(0, TapeLineKindName(Case.Line.Kind));
    ExpectText(1, Case.Operator);
    ExpectText(3, Case.Text);
    const TCell* Value = Sheet.At(Row, 2);
    if (*Case.Value == '\0') {
      EXPECT_FALSE(Value);
    } else {
      ASSERT_TRUE(Value);
      EXPECT_TRUE(Value->IsNumber);
      EXPECT_DOUBLE_EQ(std::stod(Value->Text), std::stod(Case.Value));
      EXPECT_EQ(Value->NumberFormat, Case.NumberFormat);
    }
    // The line's look on every cell of its row.
    for (const auto& [Place, Cell] : Sheet.Cells) {
      if (Place.first != Row) continue;
      EXPECT_EQ(Cell.Bold, Case.Line.Bold);
      EXPECT_EQ(Cell.Italic, Case.Line.Italic);
      EXPECT_EQ(Cell.Underline, Case.Line.Underline);
      EXPECT_EQ(Cell.Color, RgbText(Case.Line.Rgb));
    }
  }
}

TEST_F(Workbook, AnEmptyTapeIsTheHeaderRow) {
  const TSheet Sheet = SavedAndRead({});
  EXPECT_EQ(Sheet.Cells.size(), 4u);
  ASSERT_TRUE(Sheet.At(0, 3));
  EXPECT_EQ(Sheet.At(0, 3)->Text, "text");
}

TEST_F(Workbook, CurrencyFormatsFollowTheLocalesPattern) {
  const auto Format = [](const char* Positive, const char* Negative, int Decimals) {
    TFormatSettings Fs;
    Fs.CurrencyPositive = Positive;
    Fs.CurrencyNegative = Negative;
    Fs.CurrencyDecimals = Decimals;
    return TapeValueFormat({"= 1",
                            TTapeLineKind::Total,
                            0,
                            false,
                            false,
                            false,
                            {sceEquals, sceNone, TapeFormat::Currency}},
                           Fs);
  };
  EXPECT_EQ(Format("$#", "-$#", 2), "\"$\"#,##0.00;\"-$\"#,##0.00");
  EXPECT_EQ(Format("# \xE2\x82\xAC", "-# \xE2\x82\xAC", 2),
            "#,##0.00\" \xE2\x82\xAC\";\"-\"#,##0.00\" \xE2\x82\xAC\"");
  EXPECT_EQ(Format("$#", "($#)", 0), "\"$\"#,##0;\"($\"#,##0\")\"");
  EXPECT_EQ(Format("\"#", "-\"#", 1), "#,##0.0;\"-\"#,##0.0") << "a quote cannot end the text";
}

// A calculation of additions typed on the engine: the values of its added lines sum to its
// total, also with a tax and a worked-out line among them.
TEST_F(Workbook, AddedValuesSumToTheTotal) {
  TVeltronaEval Engine;
  std::vector<TTapeLine> Lines;
  Engine.OnVeltronaTape = [&](TVeltronaEval& Sender, const std::string& Text, std::int32_t Attr,
                              bool) {
    Lines.push_back({Text, TapeLineKind(Attr, Text), 0, false, false, false, TapeLineForm(Sender)});
  };
  const Extended Amounts[] = {12.5L, 380.5L, 0.1L, 1176.45L, 0.2L};
  for (const Extended Amount : Amounts) {
    Engine.EnterNumber(false, Amount);
    Engine.EnterOperator(sceAdd);
  }
  Engine.EnterNumber(false, 7);
  Engine.EnterOperator(sceEquals);
  const TSheet Sheet = SavedAndRead(Lines);

  double Sum = 0, Total = 0;
  int Added = 0;
  for (int Row = 1; Row <= static_cast<int>(Lines.size()); ++Row) {
    const TCell* Operator = Sheet.At(Row, 1);
    const TCell* Value = Sheet.At(Row, 2);
    if (!Operator || !Value) continue;
    if (Operator->Text == "add") {
      Sum += std::stod(Value->Text);
      ++Added;
    }
    if (Operator->Text == "total") Total = std::stod(Value->Text);
  }
  EXPECT_EQ(Added, 6);
  EXPECT_DOUBLE_EQ(Sum, 1576.75);
  EXPECT_DOUBLE_EQ(Total, 1576.75);
}

}  // namespace

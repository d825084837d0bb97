// The settings store: stored texts and the values they read as, whole records written and
// read back, and a write that fails. Every test works on its own settings file.
#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>

#include "SettingsStore.h"
#include "SettingsTable.h"

// Failure messages show the whole record.
void PrintTo(const TCalcSettings& S, std::ostream* Out) {
  *Out << "{NumOpt " << S.NumOpt << ", Digits " << S.Digits << ", Subtotals " << S.Subtotals
       << ", ExpandOper " << S.ExpandOper << ", SubTotalsSymIndex " << S.SubTotalsSymIndex
       << ", ExpandOperSymIndex " << S.ExpandOperSymIndex << ", SubTotalsColor " << S.SubTotalsColor
       << ", ExpandOperColor " << S.ExpandOperColor << ", Dumb " << S.Dumb << ", TotalsBold "
       << S.TotalsBold << ", TotalsUnder " << S.TotalsUnder << ", TotalsRed " << S.TotalsRed
       << ", AnnotColor " << S.AnnotColor << ", AnnotItalics " << S.AnnotItalics << ", AnnotUnder "
       << S.AnnotUnder << ", Notes";
  for (const std::string& Note : S.Notes) *Out << " '" << Note << "'";
  *Out << ", TaxRate " << S.TaxRate << ", TaxLit '" << S.TaxLit << "', SaveDest '" << S.SaveDest
       << "', SaveTape '" << S.SaveTape << "', Large " << S.Large << ", LargeApplied "
       << S.LargeApplied << ", ToolBar " << S.ToolBar << ", StatusBar " << S.StatusBar
       << ", HideTape " << S.HideTape << ", OnTop " << S.OnTop << ", TapeFontName '"
       << S.TapeFontName << "', TapeFontSize " << S.TapeFontSize << "}";
}

namespace {

const TFormatSettings Point{};
const TFormatSettings Comma{",", ".", "#\u00a0€", "-#\u00a0€", 2};

struct TStored {
  TCalcSettings Settings;
  Extended Memory = -1;  // a read always sets it
};

class SettingsStoreTest : public testing::Test {
 protected:
  QTemporaryDir Dir;
  int Files = 0;
  QString Path = NewFile();

  // A fresh settings file for each case: QSettings shares what it read of a file between its
  // objects and may take a rewrite of the same size within the same clock tick for the same.
  QString NewFile() { return Dir.filePath(QStringLiteral("veltrona-%1.conf").arg(++Files)); }

  // Puts Text into a new settings file as a person editing it would.
  void StoreFileText(const std::string& Text) {
    Path = NewFile();
    QFile File(Path);
    ASSERT_TRUE(File.open(QIODevice::WriteOnly | QIODevice::Truncate));
    File.write(Text.data(), static_cast<qint64>(Text.size()));
  }

  TStored Read(const TFormatSettings& Format) {
    QSettings Settings(Path, QSettings::IniFormat);
    TSettingsStore Store(Settings, Format);
    TStored Out;
    Store.Read(Out.Settings, Out.Memory);
    return Out;
  }

  bool Write(const TCalcSettings& Record, Extended Memory, const TFormatSettings& Format) {
    QSettings Settings(Path, QSettings::IniFormat);
    TSettingsStore Store(Settings, Format);
    return Store.Write(Record, Memory);
  }

  // The text of one stored value, as the file holds it.
  QVariant StoredValue(const QString& Key) {
    return QSettings(Path, QSettings::IniFormat).value(Key);
  }
};

TEST_F(SettingsStoreTest, FirstRunReadsTheDefaults) {
  const TStored Read = this->Read(Point);
  EXPECT_EQ(Read.Settings, TCalcSettings{});
  EXPECT_EQ(Read.Memory, 0);
  EXPECT_FALSE(QFile::exists(Path)) << "reading never writes";
}

// Each case is one settings file as a person may have left it; every value not named in it
// keeps its first-run value.
TEST_F(SettingsStoreTest, StoredTextsReadAs) {
  using TExpect = std::function<void(TCalcSettings&, Extended&)>;
  const TExpect Defaults = [](TCalcSettings&, Extended&) {};
  struct TCase {
    std::string File;
    const TFormatSettings& Format;
    TExpect Expect;
  };
  const TCase Cases[] = {
      // Integers within their ranges, at both ends, and outside them.
      {"[Tape]\nNumOpt=3\nDigits=0\nFontSize=5", Point,
       [](auto& S, auto&) {
         S.NumOpt = 3;
         S.Digits = 0;
         S.TapeFontSize = 5;
       }},
      {"[Tape]\nNumOpt=4\nDigits=18\nFontSize=20", Point,
       [](auto& S, auto&) {
         S.NumOpt = 4;
         S.Digits = 18;
         S.TapeFontSize = 20;
       }},
      {"[Tape]\nNumOpt=0\nDigits=19\nFontSize=4", Point, Defaults},
      {"[Tape]\nNumOpt=5\nDigits=-1\nFontSize=21", Point, Defaults},
      {"[Expand]\nSubTotalsSymIndex=4\nExpandOperSymIndex=0", Point,
       [](auto& S, auto&) {
         S.SubTotalsSymIndex = 4;
         S.ExpandOperSymIndex = 0;
       }},
      {"[Expand]\nSubTotalsSymIndex=5\nExpandOperSymIndex=-1", Point, Defaults},
      {"[Tape]\nNumOpt=+2\nDigits=\" 7 \"", Point,
       [](auto& S, auto&) {
         S.NumOpt = 2;
         S.Digits = 7;
       }},
      // Integer text that does not convert.
      {"[Tape]\nNumOpt=2.0\nDigits=seven\nFontSize=99999999999", Point, Defaults},
      {"[Tape]\nNumOpt=\nDigits=+-3\nFontSize=0x0A", Point, Defaults},
      {"[Tape]\nDigits=@Invalid()\nNumOpt=@Variant(garbage)", Point, Defaults},
      // Booleans: any non-zero integer is true; other text keeps the default.
      {"[Tape]\nHide=1\n[Form]\nOnTop=2\nToolbar=0\nStatusbar=0", Point,
       [](auto& S, auto&) {
         S.HideTape = true;
         S.OnTop = true;
         S.ToolBar = S.StatusBar = false;
       }},
      {"[Totals]\nBold=0\nUnder=-1\nRed=1", Point,
       [](auto& S, auto&) {
         S.TotalsBold = false;
         S.TotalsRed = true;
       }},
      {"[Form]\nToolbar=false\nStatusbar=no\nOnTop=yes\n[Totals]\nRed=true", Point, Defaults},
      {"[Expand]\nSubtotals=0\nExpandOper=0\n[Math]\nDumb=1", Point,
       [](auto& S, auto&) {
         S.Subtotals = S.ExpandOper = false;
         S.Dumb = true;
       }},
      {"[Annot]\nItalics=1\nUnder=1", Point,
       [](auto& S, auto&) { S.AnnotItalics = S.AnnotUnder = true; }},
      // The zoom wanted is read; the zoom laid out is the window's to set.
      {"[Form]\nLarge=1", Point, [](auto& S, auto&) { S.Large = true; }},
      // Floats with the locale's separator, then with the other one.
      {"[Mem]\nMemNum=1.5\n[Tax]\nTaxRate=0.075", Point,
       [](auto& S, auto& M) {
         M = 1.5;
         S.TaxRate = 0.075;
       }},
      {"[Mem]\nMemNum=\"-2,25\"\n[Tax]\nTaxRate=\"0,2\"", Point,
       [](auto& S, auto& M) {
         M = -2.25;
         S.TaxRate = 0.2;
       }},
      {"[Mem]\nMemNum=1,5\n[Tax]\nTaxRate=0,2", Point,  // unquoted, as typed by hand
       [](auto& S, auto& M) {
         M = 1.5;
         S.TaxRate = 0.2;
       }},
      {"[Mem]\nMemNum=\"1,5\"\n[Tax]\nTaxRate=0.2", Comma,
       [](auto& S, auto& M) {
         M = 1.5;
         S.TaxRate = 0.2;
       }},
      {"[Mem]\nMemNum=0.0\n[Tax]\nTaxRate=0.1", Comma, Defaults},
      {"[Mem]\nMemNum=1.5E-7\n[Tax]\nTaxRate=1e-2", Point,
       [](auto& S, auto& M) {
         M = 1.5E-7L;
         S.TaxRate = 0.01;
       }},
      // A memory value beyond a double's range is still a memory value, not a tax rate.
      {"[Mem]\nMemNum=1E4000\n[Tax]\nTaxRate=1E400", Point, [](auto&, auto& M) { M = 1E4000L; }},
      // Floats that do not convert or are not finite.
      {"[Mem]\nMemNum=1E5000\n[Tax]\nTaxRate=inf", Point, Defaults},
      {"[Mem]\nMemNum=nan\n[Tax]\nTaxRate=ten", Point, Defaults},
      {"[Mem]\nMemNum=1.234.5\n[Tax]\nTaxRate=\"1,000.5\"", Point, Defaults},
      {"[Mem]\nMemNum=\n[Tax]\nTaxRate=\"10 %\"", Point, Defaults},
      // Strings as they stand; the font name trimmed.
      {"[Tax]\nTaxLit=VAT\n[Dir]\nSaveDest=/data/calc\nSaveTape=/home/me/tapes", Point,
       [](auto& S, auto&) {
         S.TaxLit = "VAT";
         S.SaveDest = "/data/calc";
         S.SaveTape = "/home/me/tapes";
       }},
      {"[Tax]\nTaxLit=a,b\n[Tape]\nFontName=\"  DejaVu Sans \"", Point,
       [](auto& S, auto&) {
         S.TaxLit = "a,b";
         S.TapeFontName = "DejaVu Sans";
       }},
      {"[Tax]\nTaxLit=@ByteArray(USt)\n[Tape]\nFontName=\"   \"", Point,
       [](auto& S, auto&) { S.TaxLit = "USt"; }},
      {"[Tax]\nTaxLit=\n[Annot]\nNote1=first\nNote3=\"third, with a comma\"\nNote10=last", Point,
       [](auto& S, auto&) {
         S.TaxLit = "";
         S.Notes[0] = "first";
         S.Notes[2] = "third, with a comma";
         S.Notes[9] = "last";
       }},
      {"[Tax]\nTaxLit=\\x20ac", Point, [](auto& S, auto&) { S.TaxLit = "€"; }},
      // Colours: a name, "$" hexadecimal or decimal, kept by their name where they have one.
      {"[Expand]\nSubTotalsColor=clRed\nExpandOperColor=$00008000\n[Annot]\nAnnotColor=255", Point,
       [](auto& S, auto&) {
         S.SubTotalsColor = "clRed";
         S.ExpandOperColor = "clGreen";
         S.AnnotColor = "clRed";
       }},
      {"[Expand]\nSubTotalsColor=clwindowtext\n[Annot]\nAnnotColor=$123456", Point,
       [](auto& S, auto&) {
         S.SubTotalsColor = "clWindowText";
         S.AnnotColor = "$00123456";
       }},
      {"[Expand]\nSubTotalsColor=green\nExpandOperColor=$1234567890\n[Annot]\nAnnotColor=", Point,
       Defaults},
      // A garbled file keeps what it can.
      {"garbage without a group\n[Tape]\nNumOpt=2\n\xff\xfe=\x01", Point,
       [](auto& S, auto&) { S.NumOpt = 2; }},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.File);
    StoreFileText(Case.File);
    TStored Expected;
    Expected.Memory = 0;
    Case.Expect(Expected.Settings, Expected.Memory);
    const TStored Read = this->Read(Case.Format);
    EXPECT_EQ(Read.Settings, Expected.Settings);
    EXPECT_EQ(Read.Memory, Expected.Memory);
  }
}

// Every integer of the table, just inside and just outside its range.
TEST_F(SettingsStoreTest, IntegersOutsideTheirRangeReadAsTheirDefault) {
  for (const TSettingRow& Row : SettingRows()) {
    if (Row.Kind != TSettingKind::Integer) continue;
    for (const std::int64_t Value : {std::int64_t{Row.Min}, std::int64_t{Row.Max},
                                     std::int64_t{Row.Min} - 1, std::int64_t{Row.Max} + 1}) {
      SCOPED_TRACE(Row.Key() + "=" + std::to_string(Value));
      StoreFileText("[" + std::string(Row.Group) + "]\n" + std::string(Row.Name) + "=" +
                    std::to_string(Value));
      const bool InRange = Value >= Row.Min && Value <= Row.Max;
      const TStored Read = this->Read(Point);
      const std::int32_t Field =
          Read.Settings.*std::get<std::int32_t TCalcSettings::*>(Row.ReadInto);
      EXPECT_EQ(Field, InRange ? Value : std::stoi(std::string(Row.Default)));
    }
  }
}

// Every text of the table, at its longest and one character longer (a character of two bytes,
// so that characters are counted, not bytes): a longer text reads as its default.
TEST_F(SettingsStoreTest, TextsLongerThanTheyCanBeReadAsTheirDefault) {
  for (const TSettingRow& Row : SettingRows()) {
    if ((Row.Kind != TSettingKind::Text && Row.Kind != TSettingKind::TrimmedText) ||
        Row.Max == std::numeric_limits<std::int32_t>::max())
      continue;
    for (const std::int32_t Length : {Row.Max, Row.Max + 1, 3000}) {
      SCOPED_TRACE(Row.Key() + " of " + std::to_string(Length));
      std::string Text;
      for (std::int32_t I = 0; I < Length; ++I) Text += "\xC3\xA9";
      StoreFileText("[" + std::string(Row.Group) + "]\n" + std::string(Row.Name) + "=" + Text);
      const TCalcSettings Read = this->Read(Point).Settings;
      const std::string Kept = std::visit(
          [&](auto Field) -> std::string {
            if constexpr (std::is_same_v<decltype(Field), std::string TCalcSettings::*>)
              return Read.*Field;
            else if constexpr (std::is_same_v<decltype(Field), TNoteField>)
              return Read.Notes[Field.Index];
            else
              return "(not a text)";
          },
          Row.ReadInto);
      EXPECT_EQ(Kept, Length <= Row.Max ? Text : std::string(Row.Default));
    }
  }
}

// A record unlike the first-run one in every field.
TCalcSettings EveryFieldChanged() {
  TCalcSettings S;
  S.NumOpt = 4;
  S.Digits = 17;
  S.Subtotals = false;
  S.ExpandOper = false;
  S.SubTotalsSymIndex = 0;
  S.ExpandOperSymIndex = 4;
  S.SubTotalsColor = "$00123456";
  S.ExpandOperColor = "clFuchsia";
  S.Dumb = true;
  S.TotalsBold = false;
  S.TotalsUnder = false;
  S.TotalsRed = true;
  S.AnnotColor = "clHighlight";
  S.AnnotItalics = true;
  S.AnnotUnder = true;
  for (std::size_t I = 0; I < S.Notes.size(); ++I) S.Notes[I] = "note " + std::to_string(I + 1);
  S.Notes[4] = "with, = and \"quotes\" \\ é";
  S.TaxRate = 0.0825;
  S.TaxLit = "GST";
  S.SaveDest = "/srv/calc history";
  S.SaveTape = "/home/me/tapes";
  S.Large = false;  // the zoom laid out is what is kept
  S.LargeApplied = true;
  S.ToolBar = false;
  S.StatusBar = false;
  S.HideTape = true;
  S.OnTop = true;
  S.TapeFontName = "DejaVu Sans Mono";
  S.TapeFontSize = 14;
  S.PagePaper = 9;
  S.PageOrientation = 1;
  S.PageMarginLeft = 125;
  S.PageMarginTop = 0;
  S.PageMarginRight = 5000;
  S.PageMarginBottom = 64;
  return S;
}

TCalcSettings WithTaxRate(double Rate) {
  TCalcSettings S = EveryFieldChanged();
  S.TaxRate = Rate;
  return S;
}

TEST_F(SettingsStoreTest, WrittenRecordsReadBack) {
  struct TCase {
    const char* Name;
    TCalcSettings Record;
    Extended Memory;
    const TFormatSettings& WrittenWith;
    const TFormatSettings& ReadWith;
  };
  const TCase Cases[] = {
      {"first run", TCalcSettings{}, 0, Point, Point},
      {"every field", EveryFieldChanged(), -1234.5678L, Point, Point},
      {"comma locale", EveryFieldChanged(), 1.5E-300L, Comma, Comma},
      {"written with a comma, read with a point", EveryFieldChanged(), 12345678901234.5L, Comma,
       Point},
      {"written with a point, read with a comma", EveryFieldChanged(), 1E4000L, Point, Comma},
      // At the ends of their ranges, where 15 digits may round beyond them.
      {"largest values", WithTaxRate(std::numeric_limits<double>::max()), -1.18973149535723E4932L,
       Point, Point},
      {"smallest values", WithTaxRate(std::numeric_limits<double>::denorm_min()),
       std::numeric_limits<Extended>::denorm_min(), Comma, Comma},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    Path = NewFile();
    ASSERT_TRUE(Write(Case.Record, Case.Memory, Case.WrittenWith));
    TCalcSettings Expected = Case.Record;
    Expected.Large = Case.Record.LargeApplied;
    Expected.LargeApplied = false;
    const TStored Read = this->Read(Case.ReadWith);
    EXPECT_EQ(Read.Settings, Expected);
    EXPECT_EQ(Read.Memory, Case.Memory);
  }
}

TEST_F(SettingsStoreTest, EveryValueIsWrittenAsText) {
  TCalcSettings Record = EveryFieldChanged();
  Record.SubTotalsColor = "32768";  // written by its name
  ASSERT_TRUE(Write(Record, std::numbers::pi_v<Extended>, Comma));
  QSettings Written(Path, QSettings::IniFormat);
  for (const TSettingRow& Row : SettingRows()) {
    SCOPED_TRACE(Row.Key());
    const QVariant Value = Written.value(QString::fromStdString(Row.Key()));
    EXPECT_EQ(Value.typeId(), QMetaType::QString);
  }
  struct {
    const char* Key;
    const char* Text;
  } const Texts[] = {
      {"Tape/NumOpt", "4"},
      {"Tape/Digits", "17"},
      {"Tape/FontSize", "14"},
      {"Tape/Hide", "1"},
      {"Form/Large", "1"},
      {"Form/Toolbar", "0"},
      {"Mem/MemNum", "3,14159265358979"},
      {"Tax/TaxRate", "0,0825"},
      {"Expand/SubTotalsColor", "clGreen"},
      {"Annot/Note5", "with, = and \"quotes\" \\ é"},
  };
  for (const auto& Text : Texts) {
    SCOPED_TRACE(Text.Key);
    EXPECT_EQ(Written.value(QString::fromUtf8(Text.Key)).toString().toStdString(), Text.Text);
  }
  EXPECT_EQ(Written.childGroups(), QStringList({"Annot", "Dir", "Expand", "Form", "Math", "Mem",
                                                "Tape", "Tax", "Totals"}));
}

// What a person edited in the file and the store does not keep is left alone.
TEST_F(SettingsStoreTest, WritingKeepsOtherValuesAndMendsAGarbledFile) {
  StoreFileText("a garbled line\n[Tape]\nDigits=99\n[Other]\nKept=yes\n");
  ASSERT_TRUE(Write(TCalcSettings{}, 0, Point));
  EXPECT_EQ(StoredValue(QStringLiteral("Tape/Digits")).toString(), QStringLiteral("2"));
  EXPECT_EQ(StoredValue(QStringLiteral("Other/Kept")).toString(), QStringLiteral("yes"));
}

TEST_F(SettingsStoreTest, AWriteThatFailsIsReported) {
  // A folder that cannot be made, whoever runs the test: a plain file stands in its way.
  const QString Blocker = Dir.filePath(QStringLiteral("not-a-folder"));
  QFile File(Blocker);
  ASSERT_TRUE(File.open(QIODevice::WriteOnly));
  File.close();
  const QString Unwritable = Blocker + QStringLiteral("/veltrona.conf");
  QSettings Settings(Unwritable, QSettings::IniFormat);
  TSettingsStore Store(Settings, Point);
  EXPECT_FALSE(Store.Write(EveryFieldChanged(), 1));
  EXPECT_EQ(Store.FileName(), Unwritable);
}

TEST(SettingsStore, TheUserStoreIsTheCalculatorsConfigFile) {
  const TSettingsStore Store;
  EXPECT_EQ(Store.FileName(), qEnvironmentVariable("XDG_CONFIG_HOME") + "/veltrona.conf");
}

// The table's defaults are the record's first-run values: a value that does not convert
// reads as what a first run has.
TEST(SettingsTable, EveryDefaultIsAValidValue) {
  for (const TSettingRow& Row : SettingRows()) {
    SCOPED_TRACE(Row.Key());
    if (Row.Kind == TSettingKind::Integer) {
      const int Default = std::stoi(std::string(Row.Default));
      EXPECT_GE(Default, Row.Min);
      EXPECT_LE(Default, Row.Max);
    }
    EXPECT_EQ(Row.ReadInto.index(), Row.WriteFrom.index());
  }
  EXPECT_EQ(SettingRows().size(), 45u);
}

}  // namespace

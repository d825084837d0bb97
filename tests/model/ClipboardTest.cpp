// The calculator model's clipboard commands through a recording view: a pasted number arriving
// as pi and MR do, a pasted column entered exactly as typed, the columns refused with a
// message, and the one-line text of Copy Calculation.
#include <optional>
#include <ostream>
#include <string>

#include "ModelFixture.h"

namespace {

using TLines = std::vector<std::string>;
using TPasteResult = TCalcModel::TPasteResult;

std::string Repeat(int Count, const std::string& Line) {
  std::string Text;
  for (int I = 0; I < Count; ++I) Text += Line;
  return Text;
}

// A clipboard text on one line, its line breaks shown as \n, for test names and traces.
std::string Shown(const std::string& Text) {
  std::string Out;
  for (char C : Text) {
    if (C == '\n')
      Out += "\\n";
    else if (C == '\r')
      Out += "\\r";
    else
      Out += C;
  }
  return Out.size() > 40 ? Out.substr(0, 40) + "..." : Out;
}

struct TPasteRow {
  const char* Before;  // keys before the paste
  std::string Text;    // the clipboard text
  const char* After;   // keys after it
  const char* Display;
  TLines Tape;
};

void PrintTo(const TPasteRow& Row, std::ostream* Out) {
  *Out << Row.Before << " [paste " << Shown(Row.Text) << "] " << Row.After;
}

class PastedNumber : public ModelTest, public testing::WithParamInterface<TPasteRow> {};

TEST_P(PastedNumber, StandsAsIfTyped) {
  const TPasteRow& Row = GetParam();
  SCOPED_TRACE(std::string(Row.Before) + " [paste " + Shown(Row.Text) + "] " + Row.After);
  Press(Row.Before);
  EXPECT_EQ(Model.Paste(Row.Text), TPasteResult::Pasted);
  Press(Row.After);
  EXPECT_EQ(View.Display(), Row.Display);
  EXPECT_EQ(View.TapeTexts(), Row.Tape);
  EXPECT_TRUE(View.Errors.empty());
}

const TPasteRow PasteRows[] = {
    {"", "1,234.5", "", "1234.5", {}},
    {"", "$1,234.50", "+ 1 =", "1235.5", {"  1234.5", "+ 1", "= 1235.5"}},
    {"", "1E3", "", "1000", {}},
    {"", "42", "7", "7", {}},                             // the next digit replaces it
    {"5 +", "42", "=", "47", {"  5", "+ 42", "= 47"}},    // it fills the open place
    {"5", "42", "+ 1 =", "43", {"  42", "+ 1", "= 43"}},  // it replaces the typed number
    // After a finished calculation a paste starts a new one, as a typed digit does.
    {"1 + 2 =", "5", "", "5", {"  1", "+ 2", "= 3", "------------"}},
    {"Hex", "xFF", "", "000000000000000000FF", {}},
    {"Hex",
     "-0000000000000000000A",
     "+ 1 =",
     "-00000000000000000009",
     {"  xFFFFFFFFFFFFFFF6", "+ x1", "= xFFFFFFFFFFFFFFF7"}},
};
INSTANTIATE_TEST_SUITE_P(Paste, PastedNumber, testing::ValuesIn(PasteRows));

TEST_F(ModelTest, TextThatIsNoNumberChangesNothing) {
  Press("1 2");
  const auto Before = View.Displays.size();
  for (const char* Text : {"abc", "1,5", "x1F", "1E5000"}) {
    SCOPED_TRACE(Text);
    EXPECT_EQ(Model.Paste(Text), TPasteResult::NotANumber);
    EXPECT_FALSE(Model.CanPaste(Text));
  }
  EXPECT_EQ(Model.Paste(" \r\n"), TPasteResult::Nothing);
  EXPECT_EQ(View.Displays.size(), Before);
  EXPECT_TRUE(View.Tape.empty());
  EXPECT_TRUE(View.Errors.empty());
  Press("3");
  EXPECT_EQ(View.Display(), "123") << "the number being typed goes on";
}

// A pasted column gives exactly what typing its numbers with "+" between them and "=" at the
// end gives: the same display, tape lines, boxes and memory, and one command for the view.
struct TColumnRow {
  const char* Before;  // keys before the paste
  std::string Column;
  std::string Typed;  // the same from the start, as keys
};

void PrintTo(const TColumnRow& Row, std::ostream* Out) {
  *Out << Row.Before << " [paste " << Shown(Row.Column) << "]";
}

class PastedColumn : public ModelTest, public testing::WithParamInterface<TColumnRow> {};

TEST_P(PastedColumn, EntersExactlyAsTyped) {
  const TColumnRow& Row = GetParam();
  SCOPED_TRACE(std::string(Row.Before) + " [paste " + Shown(Row.Column) + "]");
  TRecordingView TypedView;
  TCalcModel Typed(TypedView);
  Press(Row.Typed, Typed);
  Press(Row.Before);
  const int Commands = View.StateChanges;
  EXPECT_EQ(Model.Paste(Row.Column), TPasteResult::Pasted);
  EXPECT_EQ(View.StateChanges, Commands + 1);
  EXPECT_EQ(View.Display(), TypedView.Display());
  EXPECT_EQ(View.TapeTexts(), TypedView.TapeTexts());
  EXPECT_EQ(View.Errors, TypedView.Errors);
  EXPECT_EQ(Model.CurrentEngine().EntryCount(), Typed.CurrentEngine().EntryCount());
}

const TColumnRow ColumnRows[] = {
    {"", "12\n30\n7.5\n", "12 + 30 + 7.5 ="},
    // A bank statement's amounts, with CR LF and a blank line.
    {"", "$1,200.00\r\n-$35.50\r\n\r\n$4.25\r\n", "1200 + 35.5 +/- + 4.25 ="},
    {"1 + 2 =", "5\n6", "1 + 2 = 5 + 6 ="},  // a new calculation after a finished one
    {"100 +", "1\n2", "100 + 1 + 2 ="},      // the calculation waiting for a number goes on
    {"100 x", "2\n3", "100 x 2 + 3 ="},      // with its precedence, as typed
    {"7", "1\n2", "7 CE 1 + 2 ="},           // the first number replaces the one being typed
    {"Hex", "FF\nx1\n", "Hex F F + 1 ="},
    {"", Repeat(98, "1\n"), "1" + Repeat(97, " + 1") + " ="},  // the most that fit
};
INSTANTIATE_TEST_SUITE_P(Paste, PastedColumn, testing::ValuesIn(ColumnRows));

TEST_F(ModelTest, AColumnThatCannotGoInIsReportedAndNothingIsEntered) {
  const struct {
    const char* Before;
    std::string Column;
    std::string Error;
  } Rows[] = {
      {"", "12\nabc\n30\n1,5\n",
       "Lines 2 and 4 of the pasted text are not numbers; nothing was entered."},
      {"", "Amount\n12", "Line 1 of the pasted text is not a number; nothing was entered."},
      {"", "a\nb\nc", "Lines 1, 2 and 3 of the pasted text are not numbers; nothing was entered."},
      {"", Repeat(12, "x\n"),
       "Lines 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 2 more of the pasted text are not numbers; "
       "nothing was entered."},
      {"", Repeat(99, "1\n"),
       "The pasted column holds 99 numbers; the calculation has room for 98. Nothing was entered."},
      {"1 +", Repeat(98, "1\n"),
       "The pasted column holds 98 numbers; the calculation has room for 97. Nothing was entered."},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Error);
    TRecordingView RowView;
    TCalcModel RowModel(RowView);
    Press(Row.Before, RowModel);
    const TLines Tape = RowView.TapeTexts();
    const std::string Display = RowView.Display();
    EXPECT_TRUE(RowModel.CanPaste(Row.Column)) << "Paste stays on, so that the box can explain";
    EXPECT_EQ(RowModel.Paste(Row.Column), TPasteResult::Refused);
    EXPECT_EQ(RowView.Errors, TLines{Row.Error});
    EXPECT_EQ(RowView.TapeTexts(), Tape);
    EXPECT_EQ(RowView.Display(), Display);
  }
}

struct TCalculationRow {
  const char* Keys;
  std::optional<std::string> Text;
};

void PrintTo(const TCalculationRow& Row, std::ostream* Out) {
  *Out << (*Row.Keys ? Row.Keys : "no keys");
}

class CopyCalculation : public ModelTest, public testing::WithParamInterface<TCalculationRow> {};

TEST_P(CopyCalculation, OneLineWithItsTotal) {
  const TCalculationRow& Row = GetParam();
  SCOPED_TRACE(Row.Keys);
  Model.Settings().Subtotals = true;
  Model.Settings().ExpandOper = true;
  Model.ApplySettings();
  Press(Row.Keys);
  const TLines Tape = View.TapeTexts();
  const std::string Display = View.Display();
  EXPECT_EQ(Model.CalculationText(), Row.Text);
  EXPECT_EQ(View.TapeTexts(), Tape) << "the tape is left alone";
  EXPECT_EQ(View.Display(), Display);
  EXPECT_TRUE(View.Errors.size() <= 1);
}

const TCalculationRow CalculationRows[] = {
    {"", std::nullopt},
    {"5", std::nullopt},  // a number alone is no calculation
    {"12 +", std::nullopt},
    {"12 + 30 + 7.5 =", "12 + 30 + 7.5 = 49.5"},
    {"12 + 30 + 7.5", "12 + 30 + 7.5 = 49.5"},  // the current one, with the number being typed
    {"12 + 30 +", "12 + 30 = 42"},              // an operator without its number is left out
    {"2 + 3 x 4 =", "2 + 3 * 4 = 14"},
    {"9 Sqrt =", "Sqrt(9) = 3"},
    {"2 + 9 Sqrt =", "2 + Sqrt(9) = 5"},
    {"200 + 10 % =", "200 + 10% = 220"},
    {"100 +Tax =", "100 +Tax = 110"},
    {"1 + 2 = CE", "1 + 2 = 3"},  // the last one, while a new number waits
    {"1 + 2 = 5", std::nullopt},  // a new calculation holds only a number yet
    {"1 + 2 C", std::nullopt},
    {"5 / 0 =", std::nullopt},  // ends in an error
    {"5 / 0", std::nullopt},    // would end in one
    {"3 +/- x 2 =", "-3 * 2 = -6"},
    {"Hex 1 F + 1 =", "x1F + x1 = x20"},
};
INSTANTIATE_TEST_SUITE_P(Texts, CopyCalculation, testing::ValuesIn(CalculationRows));

TEST_F(ModelTest, CopyCalculationNeverGivesATotalOtherThanTheTapes) {
  Press("2 + 3 x 4 =");
  ASSERT_EQ(Model.CalculationText(), "2 + 3 * 4 = 14");
  Model.Settings().Dumb = true;  // As Entered from now on
  Model.ApplySettings();
  EXPECT_EQ(Model.CalculationText(), std::nullopt) << "a replay would make it 20";
  Model.Settings().Dumb = false;
  Model.ApplySettings();
  EXPECT_EQ(Model.CalculationText(), "2 + 3 * 4 = 14");
}

TEST_F(ModelTest, CopyCalculationWritesTheTapesNumberForms) {
  Model.Settings().NumOpt = 4;  // Fixed
  Model.Settings().Digits = 2;
  Model.ApplySettings();
  TFormatSettings Comma;
  Comma.DecimalSeparator = ",";
  Comma.ThousandSeparator = ".";
  Model.SetNumberFormat(Comma);
  Press("1200 + 35 =");
  EXPECT_EQ(Model.CalculationText(), "1.200,00 + 35,00 = 1.235,00");
  EXPECT_EQ(View.TapeTexts(), (TLines{"  1.200,00", "+ 35,00", "= 1.235,00"}));
}

}  // namespace

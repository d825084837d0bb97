// The calculator model through a recording view: key sequences with the display, the tape
// and the error boxes they give, grouped by concern.
#include <optional>
#include <utility>

#include "DisplayText.h"
#include "ModelFixture.h"
#include "TapeCodes.h"

namespace {

using TLines = std::vector<std::string>;

struct TKeyRow {
  TKeyRow(const char* Keys, const char* Display, std::optional<TLines> Tape = {},
          TLines Errors = {}, std::optional<Extended> Memory = {})
      : Keys(Keys),
        Display(Display),
        Tape(std::move(Tape)),
        Errors(std::move(Errors)),
        Memory(Memory) {}
  const char* Keys;
  const char* Display;             // the display after the last key
  std::optional<TLines> Tape;      // every tape line, when the row is about the tape
  TLines Errors;                   // the error boxes shown
  std::optional<Extended> Memory;  // the memory afterwards, when the row is about it
};

class ModelKeys : public ModelTest, public testing::WithParamInterface<TKeyRow> {};

std::string RowName(const testing::TestParamInfo<TKeyRow>& Info) {
  return "Row" + std::to_string(Info.index);
}

TEST_P(ModelKeys, DisplayTapeAndBoxes) {
  const TKeyRow& Row = GetParam();
  SCOPED_TRACE(Row.Keys);
  Press(Row.Keys);
  EXPECT_EQ(View.Display(), Row.Display);
  if (Row.Tape) {
    EXPECT_EQ(View.TapeTexts(), *Row.Tape);
  }
  EXPECT_EQ(View.Errors, Row.Errors);
  if (Row.Memory) {
    EXPECT_EQ(Model.Memory(), *Row.Memory);
  }
  EXPECT_LE(Model.CurrentEngine().EntryCount(), MaxEntries);
}

const TKeyRow EntryRows[] = {
    {"1", "1"},
    {"1 2 3", "123"},
    {"123456789012", "1234567890"},  // ten digits before the point at most
    {".1234567890", "0.123456789"},  // nine decimals at most
    {"1.2.5", "1.25"},               // a second point is ignored
    {"A 1 B", "1"},                  // no hexadecimal digits in decimal
    {"5 +/-", "-5"},
    {"5 +/- 3", "3"},  // the sign key ends the number
    {"2 Exp 3", "2.0000000000000E+0003"},
    {"2 Exp 3 +/-", "2.0000000000000E-0003"},
    {"2 Exp 3 + 4 Exp 5 =", "402000"},
    {"Exp", "1.0000000000000E+0000"},
    {"1 Exp 5000", "0", std::nullopt, {"Invalid Number"}},
    {"CE .", "0."},
    {"CE + 3 =", "3"},
    {"+ 3 =", "3"},  // an operator pressed first works on 0
    {"1.25 Bck", "1.2"},
    {"1.25 Bck Bck", "1."},
    {"1.25 Bck Bck Bck", "1"},
    {"1.25 Bck Bck Bck Bck", "0"},
    {"1 2 Exp 3 Bck", "1.2000000000000E+0000"},
    {"1 + Bck", "1"},  // nothing is being typed
    {"12 + 3 x 4 =", "24"},
    {"5 / 0 =",
     "0",
     TLines{"Cannot Divide by Zero", "  5", "/ 0", "= 0"},
     {"Cannot Divide by Zero"}},
    {"5 / 0 = 2 + 3 =", "5", std::nullopt, {"Cannot Divide by Zero"}},  // starts afresh
};
INSTANTIATE_TEST_SUITE_P(Entry, ModelKeys, testing::ValuesIn(EntryRows), RowName);

const TKeyRow NewCalculationRows[] = {
    {"1 + 2 = 5", "5", TLines{"  1", "+ 2", "= 3", "------------"}},
    {"1 + 2 = .", "0.", TLines{"  1", "+ 2", "= 3", "------------"}},
    {"1 + 2 = pi", "3.14159265358979", TLines{"  1", "+ 2", "= 3", "------------"}},
    {"1 + 2 = + 4 =", "7", TLines{"  1", "+ 2", "= 3", "+ 4", "= 7"}},
    {"1 + 2 = CE 5 + 1 =", "6", TLines{"  1", "+ 2", "= 3", "------------", "  5", "+ 1", "= 6"}},
    {"2 + 3 = CE Replay", "5", TLines{"  2", "+ 3", "= 5", "------------", "  2", "+ 3", "= 5"}},
    {"1 + 2 C", "0", TLines{"------------"}},
    {"100 +Tax", "110", TLines{"  100 +Tax", "[100 +10% Tax = 110]", "{= 110}"}},
};
INSTANTIATE_TEST_SUITE_P(NewCalculation, ModelKeys, testing::ValuesIn(NewCalculationRows), RowName);

const TKeyRow MemoryAndBaseRows[] = {
    {"5 Min", "5", std::nullopt, {}, 5},
    {"5 Min 7", "7", std::nullopt, {}, 5},
    {"5 +/- 3 Min", "3", std::nullopt, {}, 3},
    {"1 + 2 = M+ M+", "3", std::nullopt, {}, 6},
    {"5 Min MC", "5", std::nullopt, {}, 0},
    {"4 Min 1 + 2 = MR", "4", TLines{"  1", "+ 2", "= 3", "------------"}, {}, 4},
    {"4 Min 1 + 2 = MR + 1 =", "5", std::nullopt, {}, 4},
    {"Hex 1 F", "0000000000000000001F"},
    {"12 Hex 3", "000000000000000000C3"},
    {"Hex F F Bck", "0000000000000000000F"},
    {"1 Exp 30 Hex +", "0", std::nullopt, {"Number too Large"}},
    {"Deg 90 Sin", "1"},
    {"Rad 90 Sin", "0.893996663600558"},
    {"Grad 100 Sin", "1"},
};
INSTANTIATE_TEST_SUITE_P(MemoryAndBase, ModelKeys, testing::ValuesIn(MemoryAndBaseRows), RowName);

// Each line reaches the view with the operation and the number form it was printed with; a
// separator with none.
TEST_F(ModelTest, TapeLinesComeWithTheirForm) {
  Model.SetTapeFormat(TapeFormat::Fixed);
  Press("Dec- 2 + 3 = Hex 4 + 5 =");
  const std::int32_t Decimals = Model.CurrentEngine().Digits();
  EXPECT_EQ(View.TapeTexts().front(), "  2" + std::string(Decimals > 0 ? "." : "") +
                                          std::string(static_cast<std::size_t>(Decimals), '0'));
  const auto Form = [&](TVeltronaOper Oper, std::int32_t Format, bool Hex) {
    return TTapeLineForm{Oper, sceNone, Format, Decimals, Hex};
  };
  const std::vector<TTapeLineForm> Expected = {
      Form(sceStart, TapeFormat::Fixed, false),  Form(sceAdd, TapeFormat::Fixed, false),
      Form(sceEquals, TapeFormat::Fixed, false), TTapeLineForm{},
      Form(sceStart, TapeFormat::Fixed, true),   Form(sceAdd, TapeFormat::Fixed, true),
      Form(sceEquals, TapeFormat::Fixed, true)};
  std::vector<TTapeLineForm> Forms;
  for (const TRecordingView::TLine& Line : View.Tape) Forms.push_back(Line.Form);
  EXPECT_EQ(Forms, Expected) << testing::PrintToString(View.TapeTexts());
}

TEST_F(ModelTest, CharactersOfTheKeyboard) {
  for (const char* C : {"2", "+", "3", "*", "4", "="}) Model.PressCharacter(C);
  EXPECT_EQ(View.Display(), "14");
  for (const char* C : {"c", "", "12"}) Model.PressCharacter(C);  // nothing
  EXPECT_EQ(View.Display(), "14");

  TFormatSettings Comma;
  Comma.DecimalSeparator = ",";
  Comma.ThousandSeparator = ".";
  Model.SetNumberFormat(Comma);
  for (const char* C : {"1", ",", "5", "+", "1", ".", "5", "="}) Model.PressCharacter(C);
  EXPECT_EQ(View.Display(), "3");
}

TEST_F(ModelTest, TheViewHearsOfEachCommandOnce) {
  Press("1 + 2 =");
  EXPECT_EQ(View.StateChanges, 4);
  Press("+/-");  // the sign key on a result runs the sign operator inside it
  EXPECT_EQ(View.StateChanges, 5);
}

TEST_F(ModelTest, TheEntryLimitEndsTheKeyQuietly) {
  Press("1");
  for (int I = 0; I < 98; ++I) Press("+ 1");
  ASSERT_EQ(Model.CurrentEngine().EntryCount(), MaxEntries);
  Press("+ +");  // the number was handed over once and is not handed over again
  EXPECT_EQ(Model.CurrentEngine().EntryCount(), MaxEntries);
  EXPECT_EQ(View.Errors, TLines(2, "Equation Limit Reached!"));
  EXPECT_EQ(View.StateChanges, 1 + 98 * 2 + 2) << "an aborted key still ends its command";
}

TEST_F(ModelTest, FirstRunSettingsReachTheEngine) {
  const TVeltronaEval& Engine = Model.CurrentEngine();
  EXPECT_EQ(Engine.TaxLit(), "Tax");
  EXPECT_EQ(Engine.Digits(), 2);
  EXPECT_EQ(Engine.TapeFormatMode(), 1);
  EXPECT_EQ(Engine.SubTotalSym(), 1);
  EXPECT_EQ(Engine.ExpandOperSym(), 2);

  Model.Settings().TaxLit = "VAT";
  Model.Settings().Dumb = true;
  Model.ApplySettings();
  EXPECT_EQ(Engine.TaxLit(), "VAT");
  Press("2 + 3 x 4 =");
  EXPECT_EQ(View.Display(), "20");
}

TEST_F(ModelTest, EngineValuesAndLastShown) {
  Press("1 / 3 =");
  EXPECT_EQ(View.Display(), "0.333333333333333");
  EXPECT_EQ(Model.LastShown(), 1.0L / 3);
  Press("Hex");
  Model.CurrentEngine().OnVeltronaVal(Model.CurrentEngine(), 255);
  EXPECT_EQ(View.Display(), "000000000000000000FF");
}

}  // namespace

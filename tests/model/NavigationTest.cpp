// Back, Forward, correcting a picked number, Replay and an operator while correcting, through
// the model with a recording view; and the tape format commands.
#include <optional>
#include <utility>

#include "ModelFixture.h"
#include "TapeCodes.h"

namespace {

using TLines = std::vector<std::string>;

struct TNavRow {
  const char* Keys;
  const char* Display;
  const char* Selected;     // the highlighted tape text afterwards ("" none)
  bool Editing;             // a picked number is being corrected
  TLines LastWritten = {};  // the lines after the last separator, when the row is about them
};

class Navigation : public ModelTest, public testing::WithParamInterface<TNavRow> {};

TEST_P(Navigation, PicksCorrectsAndReplays) {
  const TNavRow& Row = GetParam();
  SCOPED_TRACE(Row.Keys);
  Press(Row.Keys);
  EXPECT_EQ(View.Display(), Row.Display);
  EXPECT_EQ(View.Selected(), Row.Selected);
  EXPECT_EQ(Model.ReplayEdit(), Row.Editing);
  if (!Row.LastWritten.empty()) {
    EXPECT_EQ(View.LastWritten(), Row.LastWritten);
  }
}

const TNavRow NavRows[] = {
    {"1 + 2 =", "3", "", false},
    {"1 + 2 = Back", "2", "+ 2", true},
    {"1 + 2 = Back Back", "1", "  1", true},
    {"1 + 2 = Back Back Fwd", "2", "+ 2", true},
    {"1 + 2 = Back Back Back", "1", "  1", true},  // no earlier number
    {"12 + 30 + 7.5 = Back Back 40 Enter",
     "59.5",
     "",
     false,
     {"  12", "+ 40", "{= 52}", "+ 7.5", "= 59.5"}},
    {"12 + 30 + 7.5 = Back Back 40 Back Fwd Enter",
     "59.5",
     "",
     false,
     {"  12", "+ 40", "{= 52}", "+ 7.5", "= 59.5"}},  // Back and Forward commit the typed value
    {"1 + 2 = Back Back Replay", "3", "", false, {"  1", "+ 2", "= 3"}},  // nothing typed
    {"1 + 2 + 3 = Back Back 9 +",
     "10",
     "",
     false,
     {"  1", "+ 9", "{= 10}"}},  // the rest is dropped
    {"1 + 2 + 3 = Back Back 9 + 4 =", "14", "", false, {"  1", "+ 9", "{= 10}", "+ 4", "= 14"}},
    {"1 + 2 + 3 = Back Back 9 =", "10", "", false},  // "=" cuts at the picked number
    {"5 / 0 = Back 2 +", "2.5", "", false, {"  5", "/ 2", "{= 2.5}"}},
    {"2 + 3 Replay", "3", "", false},  // the replay ends on the value it computed
    {"1 + 2 = CE Replay", "3", "", false, {"  1", "+ 2", "= 3"}},
    {"1 + 2 + 3 Exp Back 5", "5", "+ 2", true},                    // a pick ends the exponent entry
    {"1 + 2 = Back Exp 2", "2.0000000000000E+0002", "+ 2", true},  // the pick is the mantissa
    {"1 + 2 = ClearTape Back", "2", "", true},                     // its line went with the tape
    {"2 + 3 x Back", "2", "", true},                               // no line written for 2 yet
    {"1 + 2 = Back 5", "5", "+ 2", true},
    {"1 + 2 = Back C", "0", "", false},
};
INSTANTIATE_TEST_SUITE_P(Keys, Navigation, testing::ValuesIn(NavRows),
                         [](const testing::TestParamInfo<TNavRow>& Info) {
                           return "Row" + std::to_string(Info.index);
                         });

TEST_F(ModelTest, WhichCommandsCanRun) {
  EXPECT_FALSE(Model.CanGoBack());
  EXPECT_FALSE(Model.CanGoForward());
  EXPECT_FALSE(Model.CanReplay());
  Press("1 + 2 =");
  EXPECT_TRUE(Model.CanGoBack());
  EXPECT_FALSE(Model.CanGoForward());
  EXPECT_TRUE(Model.CanReplay());
  Press("Back Back");
  EXPECT_FALSE(Model.CanGoBack());
  EXPECT_TRUE(Model.CanGoForward());
  Press("Replay 7");  // a new calculation: nothing to go back to
  EXPECT_FALSE(Model.CanGoBack());
  EXPECT_FALSE(Model.CanReplay());
}

TEST_F(ModelTest, AClickOnANumbersLinePicksIt) {
  Press("12 + 30 + 7.5 =");
  const std::string Tape = View.TapeText();
  Model.PickAt(static_cast<std::int32_t>(Tape.find("+ 30") + 2));
  EXPECT_EQ(View.Selected(), "+ 30");
  EXPECT_EQ(View.Display(), "30");
  EXPECT_TRUE(Model.ReplayEdit());
  Model.PickAt(static_cast<std::int32_t>(Tape.find("12")));
  EXPECT_EQ(View.Selected(), "  12");
  Model.PickAt(static_cast<std::int32_t>(Tape.find("= 49.5")));  // a total: nothing changes
  EXPECT_EQ(View.Selected(), "  12");
  Press("40 Enter");
  EXPECT_EQ(View.LastWritten(), (TLines{"  40", "+ 30", "{= 70}", "+ 7.5", "= 77.5"}));
}

TEST_F(ModelTest, ANoteMovesThePositionsBelowIt) {
  Press("1 + 2 =");
  // A note of four characters and its line break above the "+ 2" line.
  const std::int32_t LineStart = static_cast<std::int32_t>(View.TapeText().find("+ 2"));
  View.Tape.insert(View.Tape.begin() + 1, {"note", TapeAttr::Entry, false});
  View.TapeLength += 5;
  Model.NoteInserted(LineStart, 5);
  Press("Back");
  EXPECT_EQ(View.Selected(), "+ 2");
}

TEST_F(ModelTest, TapeFormatCycleAndDecimals) {
  const TVeltronaEval& Engine = Model.CurrentEngine();
  for (std::int32_t Want : {2, 3, 4, 1}) {
    Press("Fmt");
    EXPECT_EQ(Engine.TapeFormatMode(), Want);
    EXPECT_EQ(Model.Settings().NumOpt, Want);
  }
  for (int I = 0; I < 20; ++I) Press("Dec+");
  EXPECT_EQ(Engine.Digits(), 18);
  EXPECT_EQ(Model.Settings().Digits, 18);
  for (int I = 0; I < 20; ++I) Press("Dec-");
  EXPECT_EQ(Engine.Digits(), 0);

  Model.Settings().NumOpt = 7;  // from a damaged setting
  Model.ApplySettings();
  Press("Fmt");
  EXPECT_EQ(Engine.TapeFormatMode(), 1);

  // Lines written later take the new format; a Replay writes the calculation again in it.
  Press("1.5 + 1 = Fmt Fmt Fmt Dec+ Dec+ Replay");
  EXPECT_EQ(View.LastWritten(), (TLines{"  1.50", "+ 1.00", "= 2.50"}));
}

}  // namespace

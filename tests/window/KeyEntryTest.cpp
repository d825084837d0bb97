// Key sequences typed into a real calculator window: the display after every key, the tape
// lines at the end and any message box.
#include <cstring>
#include <optional>
#include <sstream>

#include "LocaleFormat.h"
#include "WindowFixture.h"

namespace {

using Lines = std::vector<std::string>;

struct TKeyCase {
  const char* Keys;  // tokens as WindowTest::Press takes them, separated by blanks
  Lines Displays;    // the display after each key
  std::optional<Lines> Tape;
  Lines Boxes = {};
  bool CommaLocale = false;
};

const Lines Sep = {"------------"};

Lines Join(std::initializer_list<Lines> Parts) {
  Lines All;
  for (const Lines& P : Parts) All.insert(All.end(), P.begin(), P.end());
  return All;
}

const TKeyCase KeyCases[] = {
    {"1 2 3", {"1", "12", "123"}, Lines{}},
    {"1 2 3 4 5 6 7 8 9 0 1 2",
     {"1", "12", "123", "1234", "12345", "123456", "1234567", "12345678", "123456789", "1234567890",
      "1234567890", "1234567890"},
     Lines{}},
    {". 1 2 3 4 5 6 7 8 9 0",
     {"0.", "0.1", "0.12", "0.123", "0.1234", "0.12345", "0.123456", "0.1234567", "0.12345678",
      "0.123456789", "0.123456789"},
     Lines{}},
    {"1 . . 5", {"1", "1.", "1.", "1.5"}, Lines{}},
    // An operator first works on 0.
    {"+ 5 =", {"0", "5", "5"}, Lines{"  0", "+ 5", "= 5"}},
    {"2 + 3 X 4 =", {"2", "2", "3", "3", "4", "14"}, Lines{"  2", "+ 3", "* 4", "= 14"}},
    {"'2' '+' '3' '*' '4' '='",
     {"2", "2", "3", "3", "4", "14"},
     Lines{"  2", "+ 3", "* 4", "= 14"}},
    {"2 + 3 <Enter>", {"2", "2", "3", "5"}, Lines{"  2", "+ 3", "= 5"}},
    {"2 + 3 - 4 =", {"2", "2", "3", "5", "4", "1"}, Lines{"  2", "+ 3", "{= 5}", "- 4", "= 1"}},
    {"'9' '-' '4' '/' '5' '='",
     {"9", "9", "4", "4", "5", "8.2"},
     Lines{"  9", "- 4", "/ 5", "= 8.2"}},
    // A number typed after a finished calculation starts a new one.
    {"1 + 2 = 5", {"1", "1", "2", "3", "5"}, Join({{"  1", "+ 2", "= 3"}, Sep})},
    {"1 + 2 = .", {"1", "1", "2", "3", "0."}, Join({{"  1", "+ 2", "= 3"}, Sep})},
    {"1 + 2 = + 5 =",
     {"1", "1", "2", "3", "3", "5", "8"},
     Lines{"  1", "+ 2", "= 3", "+ 5", "= 8"}},
    // The sign key ends the number being typed.
    {"5 +/- 3", {"5", "-5", "3"}, Lines{}},
    {"5 <F9> + 1 =", {"5", "-5", "-5", "1", "-4"}, Lines{"  -5", "+ 1", "= -4"}},
    {"2 [ButtonExp] 3 +/-",
     {"2", "2.0000000000000E+0000", "2.0000000000000E+0003", "2.0000000000000E-0003"},
     Lines{}},
    {"2 [ButtonExp] 3 + 4 'x' 5 =",
     {"2", "2.0000000000000E+0000", "2.0000000000000E+0003", "2000", "4", "4.0000000000000E+0000",
      "4.0000000000000E+0005", "402000"},
     Lines{"  2000", "+ 400000", "= 402000"}},
    {"[ButtonExp]", {"1.0000000000000E+0000"}, Lines{}},
    {"2 [ButtonExp] 9 9 9 9",
     {"2", "2.0000000000000E+0000", "2.0000000000000E+0009", "2.0000000000000E+0099",
      "2.0000000000000E+0999", "0"},
     Lines{},
     {"Invalid Number"}},
    {"2 [ButtonExp] 1 2 Bck Bck",
     {"2", "2.0000000000000E+0000", "2.0000000000000E+0001", "2.0000000000000E+0012",
      "2.0000000000000E+0001", "2.0000000000000E+0000"},
     Lines{}},
    {"CE .", {"0", "0."}, Lines{}},
    {"CE + 4 =", {"0", "0", "4", "4"}, Lines{"  0", "+ 4", "= 4"}},
    // CE after a finished calculation: the number typed then opens a new calculation.
    {"2 + 3 = CE 5 + 1 =",
     {"2", "2", "3", "5", "0", "5", "5", "1", "6"},
     Join({{"  2", "+ 3", "= 5"}, Sep, {"  5", "+ 1", "= 6"}})},
    {"1 . 2 5 Bck Bck Bck Bck", {"1", "1.", "1.2", "1.25", "1.2", "1.", "1", "0"}, Lines{}},
    {"1 2 <Backspace> 3", {"1", "12", "1", "13"}, Lines{}},
    // Backspace leaves a result alone.
    {"1 2 + Bck <Backspace>", {"1", "12", "12", "12", "12"}, Lines{}},
    // The letter C is the hexadecimal digit, refused in decimal mode; Escape is C, Delete CE.
    {"5 'c'", {"5", "5"}, Lines{}},
    {"5 <Esc> 7", {"5", "0", "7"}, Sep},
    {"5 C", {"5", "0"}, Sep},
    {"5 + 6 <Del> =", {"5", "5", "6", "0", "5"}, Lines{"  5", "+ 0", "= 5"}},
    {"[ButtonPi]", {"3.14159265358979"}, Lines{}},
    {"'p' X 2 =", {"3.14159265358979", "3.14159265358979", "2", "6.28318530717959"}, std::nullopt},
    {"3 'q'", {"3", "9"}, std::nullopt},
    {"1 6 <Ctrl+Q>", {"1", "16", "4"}, std::nullopt},
    {"'5' '/' '0' '='",
     {"5", "5", "0", "0"},
     Lines{"Cannot Divide by Zero", "  5", "/ 0", "= 0"},
     {"Cannot Divide by Zero"}},
    // After an error the next operator starts the calculation afresh.
    {"5 / 0 = 2 + 1 =",
     {"5", "5", "0", "0", "2", "2", "1", "3"},
     Join({{"Cannot Divide by Zero", "  5", "/ 0", "= 0"}, Sep, {"  2", "+ 1", "= 3"}}),
     {"Cannot Divide by Zero"}},
    // Every function-pad key sends its own operation.
    {"4 [ButtonSqrt]", {"4", "2"}, std::nullopt},
    {"5 [ButtonSqr]", {"5", "25"}, std::nullopt},
    {"4 [ButtonRecip]", {"4", "0.25"}, std::nullopt},
    {"2 [ButtonpowerY] 1 0 =", {"2", "2", "1", "10", "1024"}, std::nullopt},
    {"2 7 [ButtonYroot] 3 =", {"2", "27", "27", "3", "3"}, std::nullopt},
    {"3 0 [ButtonSin]", {"3", "30", "0.5"}, std::nullopt},
    {"6 0 [ButtonCos]", {"6", "60", "0.5"}, std::nullopt},
    {"4 5 [ButtonTan]", {"4", "45", "1"}, std::nullopt},
    {"1 [ButtonAsin]", {"1", "90"}, std::nullopt},
    {"0 [ButtonAcos]", {"0", "90"}, std::nullopt},
    {"1 [ButtonAtan]", {"1", "45"}, std::nullopt},
    {"1 0 0 [ButtonLog]", {"1", "10", "100", "2"}, std::nullopt},
    {"2 [ButtonInvLog]", {"2", "100"}, std::nullopt},
    {"1 [ButtonLn]", {"1", "0"}, std::nullopt},
    {"0 [ButtonInvLn]", {"0", "1"}, std::nullopt},
    {"1 0 0 [ButtonPlusTax]", {"1", "10", "100", "110"}, std::nullopt},
    {"1 1 0 [ButtonMinusTax]", {"1", "11", "110", "100"}, std::nullopt},
    {"1 1 0 [ButtonTaxInc]", {"1", "11", "110", "10"}, std::nullopt},
    {"1 0 0 [ButtonTaxExcl]", {"1", "10", "100", "10"}, std::nullopt},
    {"1 ',' 5 + 1 =",
     {"1", "1,", "1,5", "1,5", "1", "2,5"},
     Lines{"  1,5", "+ 1", "= 2,5"},
     {},
     true},
    {"1 '.' 2 5 Bck Bck", {"1", "1,", "1,2", "1,25", "1,2", "1,"}, Lines{}, {}, true},
};

// Scoped traces name the key sequence; so does a failing row's parameter.
void PrintTo(const TKeyCase& Case, std::ostream* Out) {
  *Out << '"' << Case.Keys << '"';
}

class KeyEntryTest : public WindowTest, public testing::WithParamInterface<TKeyCase> {};

TEST_P(KeyEntryTest, DisplayAfterEachKeyAndTape) {
  const TKeyCase& Case = GetParam();
  if (Case.CommaLocale)
    Calc->CurrentEngine.SetFormatSettings(FormatSettingsFromLocale(QLocale(QLocale::German)));
  std::istringstream Keys(Case.Keys);
  std::string Token;
  std::size_t I = 0;
  for (; Keys >> Token; ++I) {
    SCOPED_TRACE("key " + std::to_string(I + 1) + " " + Token);
    Press(Token);
    ASSERT_LT(I, Case.Displays.size());
    EXPECT_EQ(Display(), Case.Displays[I]);
    EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn"));
  }
  EXPECT_EQ(I, Case.Displays.size());
  if (Case.Tape) {
    EXPECT_EQ(TapeLines(), *Case.Tape);
  }
  ExpectedBoxes = Case.Boxes;
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyEntryTest, testing::ValuesIn(KeyCases),
                         [](const testing::TestParamInfo<TKeyCase>& Info) {
                           return "Row" + std::to_string(Info.index);
                         });

TEST_F(WindowTest, PiIsTheExtendedValueOfTheKey) {
  Press("[ButtonPi]");
  unsigned char Bytes[sizeof(Extended)] = {};
  const Extended Entry = Calc->Model.Input().Entry();
  std::memcpy(Bytes, &Entry, sizeof(Extended));
  std::uint64_t Mantissa = 0;
  std::memcpy(&Mantissa, Bytes, 8);
  EXPECT_EQ(Mantissa, 0xC90FDAA22168C234ULL);
  EXPECT_EQ(Bytes[8] | (Bytes[9] << 8), 0x4000);
}

// With a comma locale the decimal key shows the comma, and the tax line writes its rate with it.
TEST_F(WindowTest, CommaLocaleDecimalKeyAndTaxRate) {
  Calc->CurrentEngine.SetFormatSettings(FormatSettingsFromLocale(QLocale(QLocale::German)));
  Calc->CurrentEngine.SetTaxRate(0.175);
  for (const char* Key : {"2", ",", "5", "[ButtonPlusTax]"}) {
    Press(Key);
    EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn")) << Key;
  }
  EXPECT_EQ(Widget<QAbstractButton>("Button17")->text().toStdString(), ",");
  EXPECT_EQ(TapeLines(), (Lines{"  2,5 +Tax", "[2,5 +17,5% Tax = 2,9375]", "{= 2,9375}"}));
}

TEST_F(WindowTest, HexadecimalTypingAndBackspace) {
  Calc->Model.SetHexMode(true);
  // A to F reach PressDigit through their short-cuts even while their buttons are greyed out.
  Widget("ButtonF")->setEnabled(false);
  ASSERT_FALSE(Widget("ButtonF")->isEnabled());
  for (const char* Key : {"1", "'f'"}) Press(Key);
  EXPECT_EQ(Display(), "0000000000000000001F");
  Press("Bck");
  EXPECT_EQ(Display(), "00000000000000000001");
}

TEST_F(WindowTest, EquationLimitStopsEveryOperatorWithoutHandingTheNumberOverTwice) {
  Press("1");
  for (int I = 0; I < 98; ++I) {
    Press("'+'");
    Press("1");
  }
  ASSERT_EQ(Calc->CurrentEngine.EntryCount(), 99);
  for (const char* Key : {"'+'", "'+'", "'='"}) Press(Key);
  EXPECT_EQ(Calc->CurrentEngine.EntryCount(), 99);
  ExpectedBoxes.assign(3, "Equation Limit Reached!");
}

}  // namespace

namespace {

// The tape and the display are read-only, so the short-cuts and typed characters still reach
// the keypad after a click into them, and the focus goes back to the Equals key.
TEST_F(WindowTest, KeysWorkAfterAClickIntoTheTapeOrTheDisplay) {
  for (const char* Pane : {"RichEdit1", "Edit1"}) {
    SCOPED_TRACE(Pane);
    Press("'3'");
    QTest::mouseClick(Widget<QAbstractScrollArea>(Pane)->viewport(), Qt::LeftButton);
    ASSERT_EQ(FocusedControl(), Widget(Pane));
    Press("'q'");
    EXPECT_EQ(Display(), "9");
    EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn"));
    QTest::mouseClick(Widget<QAbstractScrollArea>(Pane)->viewport(), Qt::LeftButton);
    Press("'+'");
    Press("'1'");
    Press("'='");
    EXPECT_EQ(Display(), "10");
  }
}

}  // namespace

// The memory keys with their hint and status panel, the decimal/hexadecimal choice with the
// keys it greys out, and the angle unit, typed into a real window.
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <sstream>

#include "WindowFixture.h"

namespace {

class MemoryTest : public WindowTest {
 protected:
  // Tokens as WindowTest::Press takes them; "{Page}" clicks the function pad's tab of that page.
  void Type(const std::string& Keys) {
    std::istringstream In(Keys);
    std::string Token;
    while (In >> Token) {
      if (Token.front() == '{') {
        ShowPage(Token.substr(1, Token.size() - 2));
      } else {
        Press(Token);
      }
    }
  }
  void ShowPage(const std::string& Page) {
    auto* Pad = Widget<QTabWidget>("PageControl1");
    const int Index = Pad->indexOf(Widget(Page.c_str()));
    QTest::mouseClick(Pad->tabBar(), Qt::LeftButton, {}, Pad->tabBar()->tabRect(Index).center());
    ASSERT_EQ(Pad->currentIndex(), Index);
  }
  std::string MemoryHint() {
    return Widget<QAbstractButton>("ButtonMemRecall")->toolTip().toStdString();
  }
  std::string MemoryPanel() { return Widget<QLabel>("StatusPanel1")->text().toStdString(); }
};

struct TMemoryRow {
  const char* Keys;
  const char* Display;
  const char* Hint;
  const char* Panel;
  std::vector<std::string> Tape = {};
};

const TMemoryRow MemoryRows[] = {
    {"", "0", "No Number in Memory", ""},
    {"5 [Button18] 7", "7", "Memory = 5", "Mem:5"},
    {"1 + 2 = [Button19] [Button19]", "3", "Memory = 6", "Mem:6"},
    {"1 2 . 5 [Button18]", "12.5", "Memory = 12.5", "Mem:12.5"},
    {"5 [Button18] [Button21]", "5", "No Number in Memory", ""},
    {"5 <Ctrl+M> <Ctrl+P> 1 <Ctrl+R>", "10", "Memory = 10", "Mem:10"},
    {"5 <Ctrl+M> <Ctrl+L>", "5", "No Number in Memory", ""},
    // A recalled number after a finished calculation starts a new one.
    {"4 [Button18] 1 + 2 = [ButtonMemRecall] + 1 =",
     "5",
     "Memory = 4",
     "Mem:4",
     {"  1", "+ 2", "= 3", "------------", "  4", "+ 1", "= 5"}},
    {"2 [ButtonExp] 3 [Button18]", "2.0000000000000E+0003", "Memory = 2000", "Mem:2000"},
    {"{HexSheet} [RadioHex] [ButtonF] [ButtonF] [Button18]", "000000000000000000FF",
     "Memory = Hex 000000000000000000FF", "Mem: Hex 000000000000000000FF"},
    {"1 0 +/- [Button18] {HexSheet} [RadioHex]", "-10", "Memory = Hex -0000000000000000000A",
     "Mem: Hex -0000000000000000000A"},
    {"1 [ButtonExp] 3 0 [Button18] {HexSheet} [RadioHex]", "1.0000000000000E+0030",
     "Number too large to show as Hex", "Mem:1E30"},
    {"7 [Button18] {HexSheet} [RadioHex] {HexSheet} [RadioDec]", "7", "Memory = 7", "Mem:7"},
};

class MemoryKeys : public MemoryTest, public testing::WithParamInterface<TMemoryRow> {};

TEST_P(MemoryKeys, HintAndStatusPanel) {
  const TMemoryRow& Row = GetParam();
  Type(Row.Keys);
  EXPECT_EQ(Display(), Row.Display);
  EXPECT_EQ(MemoryHint(), Row.Hint);
  EXPECT_EQ(MemoryPanel(), Row.Panel);
  if (!Row.Tape.empty()) {
    EXPECT_EQ(TapeLines(), Row.Tape);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, MemoryKeys, testing::ValuesIn(MemoryRows));

TEST_F(MemoryTest, HexChoiceSwitchesKeysAndRadix) {
  const char* const HexOnly[] = {"ButtonA", "ButtonB", "ButtonC", "ButtonD", "ButtonE", "ButtonF"};
  const char* const DecimalOnly[] = {"Button17",   "ButtonRecip", "ButtonSqrt",  "ButtonSin",
                                     "ButtonCos",  "ButtonTan",   "ButtonAsin",  "ButtonAcos",
                                     "ButtonAtan", "ButtonPi",    "ButtonLog",   "ButtonInvLog",
                                     "ButtonLn",   "ButtonInvLn", "ButtonYroot", "ButtonExp"};
  const char* const Always[] = {"Button1",       "Button11",       "ButtonPercen", "ButtonSqr",
                                "ButtonpowerY",  "Button18",       "Button15",     "EqualsBitBtn",
                                "ButtonPlusTax", "ButtonPlusMinus"};
  const auto ExpectKeys = [&](bool Hex) {
    for (const char* Name : HexOnly) EXPECT_EQ(Widget(Name)->isEnabled(), Hex) << Name;
    for (const char* Name : DecimalOnly) EXPECT_EQ(Widget(Name)->isEnabled(), !Hex) << Name;
    for (const char* Name : Always) EXPECT_TRUE(Widget(Name)->isEnabled()) << Name;
  };
  ExpectKeys(false);
  // A half-typed number goes on in the new radix: 12, then 3 in hexadecimal, is 195.
  Type("1 2 {HexSheet} [RadioHex] 3");
  ExpectKeys(true);
  EXPECT_EQ(Display(), "000000000000000000C3");
  Type("+ 1 =");
  EXPECT_EQ(Display(), "000000000000000000C4");
  EXPECT_EQ(TapeLines(), (std::vector<std::string>{"  xC3", "+ x1", "= xC4"}));
  // Short-cuts still reach greyed keys.
  Type("<P>");
  EXPECT_EQ(Display(), "00000000000000000003");
  Type("{HexSheet} [RadioDec]");
  ExpectKeys(false);
  Type("<C> 2");  // the letter is a hexadecimal digit, refused in decimal
  EXPECT_EQ(Display(), "2");
}

TEST_F(MemoryTest, AngleUnits) {
  struct TRow {
    const char* Unit;
    const char* Keys;
    const char* Display;
  } const Rows[] = {
      {"{TrigSheet} [RadioDeg]", "9 0 [ButtonSin]", "1"},
      {"{TrigSheet} [RadioRad]", "9 0 [ButtonSin]", "0.893996663600558"},
      {"{TrigSheet} [RadioGrad]", "1 0 0 [ButtonSin]", "1"},
      {"{TrigSheet} [RadioGrad]", "1 [ButtonAsin]", "100"},
  };
  for (const TRow& Row : Rows) {
    SCOPED_TRACE(std::string(Row.Unit) + " " + Row.Keys);
    Type(std::string(Row.Unit) + " <Esc> " + Row.Keys);
    EXPECT_EQ(Display(), Row.Display);
  }
}

}  // namespace

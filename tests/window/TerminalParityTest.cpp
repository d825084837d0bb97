// The window prints the same tape as the terminal program: the calculations of the shared
// table, read as the program reads its words and typed into the window key by key.
#include <map>
#include <sstream>

#include "../terminal/SharedTapeCases.h"
#include "KeyWord.h"
#include "WindowFixture.h"

namespace {

// The window's key for each key the program's words press.
std::string WindowKey(const TKeyPress& Key) {
  static const std::map<int, std::string> Operators = {{sceAdd, "'+'"},
                                                       {sceMinus, "'-'"},
                                                       {sceTimes, "'*'"},
                                                       {sceDivide, "'/'"},
                                                       {scePercen, "[ButtonPercen]"},
                                                       {sceSqr, "[ButtonSqr]"},
                                                       {sceSqrt, "[ButtonSqrt]"},
                                                       {sceRecip, "[ButtonRecip]"},
                                                       {sceNpowr, "[ButtonpowerY]"},
                                                       {sceNroot, "[ButtonYroot]"},
                                                       {sceSin, "[ButtonSin]"},
                                                       {sceLog, "[ButtonLog]"},
                                                       {sceIlog, "[ButtonInvLog]"},
                                                       {scePlusTax, "[ButtonPlusTax]"}};
  switch (Key.Key) {
    case TKey::Digit:
      return std::string("'") + static_cast<char>('0' + Key.Code) + "'";
    case TKey::Point:
      return "'.'";
    case TKey::Exp:
      return "[ButtonExp]";
    case TKey::Sign:
      return "[ButtonPlusMinus]";
    case TKey::Operator:
      return Operators.at(Key.Code);
    case TKey::Equals:
      return "[EqualsBitBtn]";
    case TKey::BackSpace:
      return "[BackButton]";
    case TKey::ClearEntry:
      return "[Button22]";
    case TKey::ClearAll:
      return "[Button15]";
    case TKey::Pi:
      return "[ButtonPi]";
    case TKey::MemoryIn:
      return "[Button18]";
    case TKey::MemoryAdd:
      return "[Button19]";
    case TKey::MemoryRecall:
      return "[ButtonMemRecall]";
    case TKey::MemoryClear:
      return "[Button21]";
    default:
      ADD_FAILURE() << "no window key for this word";
      return {};
  }
}

TEST_F(WindowTest, TheTerminalProgramsTape) {
  for (const TSharedTapeCase& Case : SharedTapeCases()) {
    SCOPED_TRACE(Case.Words);
    Press("[Button15]");  // a fresh calculation, then a fresh tape
    Press("<Ctrl+Del>");
    std::istringstream Words(Case.Words);
    std::string Word;
    while (Words >> Word) {
      const TKeyWord Keys = ReadKeyWord(Word, WordContext(Calc->Model));
      ASSERT_EQ(Keys.Error, "") << Word;
      for (const TKeyPress& Key : Keys.Keys) Press(WindowKey(Key));
    }
    EXPECT_EQ(TapeLines(), Case.Tape);
    if (Case.Error) ExpectedBoxes.push_back(Case.Error);
  }
}

}  // namespace

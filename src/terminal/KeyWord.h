// The words of veltrona-tape's input: each word names one or more keys of the calculator's
// keypad, and a number stands for its digits typed one by one, so that the tape shows what the
// window's would. The terminal program reads every argument and input line through ReadKeyWord;
// its tests and fuzz target do too.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "CalcModel.h"

enum class TKey : std::uint8_t {
  Digit,  // Code: 0 to 15
  Point,
  Exp,
  Sign,
  Operator,  // Code: the operation
  Equals,
  BackSpace,
  ClearEntry,
  ClearAll,
  Pi,
  MemoryIn,
  MemoryAdd,
  MemoryRecall,
  MemoryClear,
  Replay,
  Decimal,
  Hex,
  Degrees,
  Radians,
  Grads,
  Quit,  // ends the input
};

struct TKeyPress {
  TKey Key;
  int Code = 0;

  bool operator==(const TKeyPress&) const = default;
};

// What a word means depends on the calculator's state when it is read.
struct TWordContext {
  bool HexMode = false;
  std::string DecimalSeparator = ".";  // accepted beside "."
  std::string TaxLit = "Tax";          // "+Tax" also answers to "+" and this name
};

struct TKeyWord {
  std::vector<TKeyPress> Keys;
  std::string Error;  // empty when the word was read
};

// The keys of one word. Names are matched without regard to letter case; a name wins over a
// hexadecimal number ("c" is Clear, "0c" the number).
TKeyWord ReadKeyWord(std::string_view Word, const TWordContext& Context);

// The context of the model's current state.
TWordContext WordContext(const TCalcModel& Model);

void PressKey(TCalcModel& Model, const TKeyPress& Key);

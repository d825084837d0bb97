// The engine's operation codes and the one table that says, for each code, its file name,
// tape symbol, its word in spreadsheets, whether it takes a number, its tape layout kind and its
// precedence.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

enum TVeltronaOper : std::uint8_t {
  sceNone,
  sceStart,
  sceEquals,
  sceAdd,
  sceMinus,
  sceTimes,
  sceDivide,
  sceSqr,
  sceSqrt,
  sceRecip,
  sceNpowr,
  sceNroot,
  sceLog,
  sceIlog,
  sceELog,
  sceIelog,
  sceRevSign,
  sceSin,
  sceAsin,
  sceCos,
  sceAcos,
  sceTan,
  sceAtan,
  scePercen,
  scePercenAdd,
  scePercenMinus,
  scePercenTimes,
  scePercenDivide,
  sceAngle,
  scePlusTax,
  sceMinusTax,
  sceTaxInc,
  sceTaxExcl
};  // codes 0..32 in this order

constexpr int OperCount = sceTaxExcl + 1;

// How an entry of this operator is laid out on the tape.
enum class TOperKind : std::uint8_t { None, Binary, Function, Tax, Total };

// File name ("sceAdd"); empty for the codes that are never written (0, 1, 28).
std::string_view OperName(TVeltronaOper Op);
// Tape symbol ("+", "Sqrt", " " for the opening number, empty for the tax codes).
std::string_view OperSymbol(TVeltronaOper Op);
// The operation's word in the tape's spreadsheet files ("add", "subtract", "sqrt", "add-tax",
// "total"): lower-case, the same in every language, and never read as a formula. The opening
// number is "add", as it is added to the empty total; empty for the codes no line shows (0, 28).
std::string_view OperWord(TVeltronaOper Op);
// True when the operator waits for a number after it; false when it acts on the value before it.
bool TakesNumber(TVeltronaOper Op);
TOperKind OperKind(TVeltronaOper Op);
// Precedence: every code gets 5 As Entered, otherwise the table's value.
std::int32_t OperPriority(TVeltronaOper Op, bool DumbMath);
// The code whose file name is exactly Name (case-sensitive), among the codes a file may hold.
std::optional<TVeltronaOper> OperFromName(std::string_view Name);

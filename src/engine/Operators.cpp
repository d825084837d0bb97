#include "Operators.h"

#include <array>

namespace {

struct TOperInfo {
  std::string_view Name;
  std::string_view Symbol;
  std::string_view Word;
  bool TakesNumber;
  TOperKind Kind;
  std::int32_t Priority;
};

using enum TOperKind;

constexpr std::array<TOperInfo, OperCount> OperTable{{
    {"", "", "", true, None, 0},                   // sceNone
    {"", " ", "add", true, Binary, 0},             // sceStart: the opening number, added to nothing
    {"sceEquals", "=", "total", false, Total, 0},  //
    {"sceAdd", "+", "add", true, Binary, 5},       //
    {"sceMinus", "-", "subtract", true, Binary, 5},                 //
    {"sceTimes", "*", "multiply", true, Binary, 10},                //
    {"sceDivide", "/", "divide", true, Binary, 10},                 //
    {"sceSqr", "Sqr", "square", false, Function, 20},               //
    {"sceSqrt", "Sqrt", "sqrt", false, Function, 20},               //
    {"sceRecip", "1/", "reciprocal", false, Function, 20},          //
    {"sceNpowr", "^", "power", true, Binary, 20},                   //
    {"sceNroot", "^ 1/", "root", true, Binary, 20},                 //
    {"sceLog", "Log", "log", false, Function, 20},                  //
    {"sceIlog", "Exp", "exp", false, Function, 20},                 //
    {"sceELog", "Loge", "loge", false, Function, 20},               //
    {"sceIelog", "Expe", "expe", false, Function, 20},              //
    {"sceRevSign", "+/-", "negate", false, Function, 20},           //
    {"sceSin", "Sin", "sin", false, Function, 20},                  //
    {"sceAsin", "ASin", "asin", false, Function, 20},               //
    {"sceCos", "Cos", "cos", false, Function, 20},                  //
    {"sceAcos", "ACos", "acos", false, Function, 20},               //
    {"sceTan", "Tan", "tan", false, Function, 20},                  //
    {"sceAtan", "ATan", "atan", false, Function, 20},               //
    {"scePercen", "%", "percent", false, Function, 20},             //
    {"scePercenAdd", "+", "add-percent", true, Binary, 20},         //
    {"scePercenMinus", "-", "subtract-percent", true, Binary, 20},  //
    {"scePercenTimes", "x", "multiply-percent", true, Binary, 20},  //
    {"scePercenDivide", "/", "divide-percent", true, Binary, 20},   //
    {"", "", "", true, None, 0},                                    // sceAngle
    {"scePlusTax", "", "add-tax", false, Tax, 20},                  //
    {"sceMinusTax", "", "subtract-tax", false, Tax, 20},            //
    {"sceTaxInc", "", "tax-included", false, Tax, 20},              //
    {"sceTaxExcl", "", "tax-excluded", false, Tax, 20},             //
}};

const TOperInfo& Info(TVeltronaOper Op) {
  // A code outside the table (only possible through a cast) reads as sceNone.
  return Op < OperCount ? OperTable[Op] : OperTable[sceNone];
}

}  // namespace

std::string_view OperName(TVeltronaOper Op) {
  return Info(Op).Name;
}
std::string_view OperSymbol(TVeltronaOper Op) {
  return Info(Op).Symbol;
}
std::string_view OperWord(TVeltronaOper Op) {
  return Info(Op).Word;
}
bool TakesNumber(TVeltronaOper Op) {
  return Info(Op).TakesNumber;
}
TOperKind OperKind(TVeltronaOper Op) {
  return Info(Op).Kind;
}

std::int32_t OperPriority(TVeltronaOper Op, bool DumbMath) {
  return DumbMath ? 5 : Info(Op).Priority;
}

std::optional<TVeltronaOper> OperFromName(std::string_view Name) {
  if (Name.empty()) return std::nullopt;
  for (int Code = sceEquals; Code < OperCount; ++Code) {
    if (OperTable[Code].Name == Name) return static_cast<TVeltronaOper>(Code);
  }
  return std::nullopt;
}

#include "Operators.h"

#include <array>

namespace {

struct TOperInfo {
  std::string_view Name;
  std::string_view Symbol;
  bool TakesNumber;
  TOperKind Kind;
  std::int32_t Priority;
};

using enum TOperKind;

constexpr std::array<TOperInfo, OperCount> OperTable{{
    {"", "", true, None, 0},                     // sceNone
    {"", " ", true, Binary, 0},                  // sceStart
    {"sceEquals", "=", false, Total, 0},         //
    {"sceAdd", "+", true, Binary, 5},            //
    {"sceMinus", "-", true, Binary, 5},          //
    {"sceTimes", "*", true, Binary, 10},         //
    {"sceDivide", "/", true, Binary, 10},        //
    {"sceSqr", "Sqr", false, Function, 20},      //
    {"sceSqrt", "Sqrt", false, Function, 20},    //
    {"sceRecip", "1/", false, Function, 20},     //
    {"sceNpowr", "^", true, Binary, 20},         //
    {"sceNroot", "^ 1/", true, Binary, 20},      //
    {"sceLog", "Log", false, Function, 20},      //
    {"sceIlog", "Exp", false, Function, 20},     //
    {"sceELog", "Loge", false, Function, 20},    //
    {"sceIelog", "Expe", false, Function, 20},   //
    {"sceRevSign", "+/-", false, Function, 20},  //
    {"sceSin", "Sin", false, Function, 20},      //
    {"sceAsin", "ASin", false, Function, 20},    //
    {"sceCos", "Cos", false, Function, 20},      //
    {"sceAcos", "ACos", false, Function, 20},    //
    {"sceTan", "Tan", false, Function, 20},      //
    {"sceAtan", "ATan", false, Function, 20},    //
    {"scePercen", "%", false, Function, 20},     //
    {"scePercenAdd", "+", true, Binary, 20},     //
    {"scePercenMinus", "-", true, Binary, 20},   //
    {"scePercenTimes", "x", true, Binary, 20},   //
    {"scePercenDivide", "/", true, Binary, 20},  //
    {"", "", true, None, 0},                     // sceAngle
    {"scePlusTax", "", false, Tax, 20},          //
    {"sceMinusTax", "", false, Tax, 20},         //
    {"sceTaxInc", "", false, Tax, 20},           //
    {"sceTaxExcl", "", false, Tax, 20},          //
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

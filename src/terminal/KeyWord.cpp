#include "KeyWord.h"

#include <array>
#include <initializer_list>

#include "TapeCodes.h"
#include "TapeTexts.h"

namespace {

struct TNamedKey {
  std::string_view Name;
  TKeyPress Press;
};

// The function names are those the tape writes.
constexpr std::array NamedKeys{
    TNamedKey{"+", {TKey::Operator, sceAdd}},
    TNamedKey{"-", {TKey::Operator, sceMinus}},
    TNamedKey{"*", {TKey::Operator, sceTimes}},
    TNamedKey{"x", {TKey::Operator, sceTimes}},
    TNamedKey{"/", {TKey::Operator, sceDivide}},
    TNamedKey{"%", {TKey::Operator, scePercen}},
    TNamedKey{"=", {TKey::Equals}},
    TNamedKey{"sqr", {TKey::Operator, sceSqr}},
    TNamedKey{"sqrt", {TKey::Operator, sceSqrt}},
    TNamedKey{"1/", {TKey::Operator, sceRecip}},
    TNamedKey{"^", {TKey::Operator, sceNpowr}},
    TNamedKey{"^1/", {TKey::Operator, sceNroot}},
    TNamedKey{"^ 1/", {TKey::Operator, sceNroot}},
    TNamedKey{"log", {TKey::Operator, sceLog}},
    TNamedKey{"exp", {TKey::Operator, sceIlog}},
    TNamedKey{"loge", {TKey::Operator, sceELog}},
    TNamedKey{"expe", {TKey::Operator, sceIelog}},
    TNamedKey{"sin", {TKey::Operator, sceSin}},
    TNamedKey{"asin", {TKey::Operator, sceAsin}},
    TNamedKey{"cos", {TKey::Operator, sceCos}},
    TNamedKey{"acos", {TKey::Operator, sceAcos}},
    TNamedKey{"tan", {TKey::Operator, sceTan}},
    TNamedKey{"atan", {TKey::Operator, sceAtan}},
    TNamedKey{"+/-", {TKey::Sign}},
    TNamedKey{"ce", {TKey::ClearEntry}},
    TNamedKey{"c", {TKey::ClearAll}},
    TNamedKey{"bck", {TKey::BackSpace}},
    TNamedKey{"pi", {TKey::Pi}},
    TNamedKey{"min", {TKey::MemoryIn}},
    TNamedKey{"m+", {TKey::MemoryAdd}},
    TNamedKey{"mr", {TKey::MemoryRecall}},
    TNamedKey{"mc", {TKey::MemoryClear}},
    TNamedKey{"recalc", {TKey::Replay}},
    TNamedKey{"dec", {TKey::Decimal}},
    TNamedKey{"hex", {TKey::Hex}},
    TNamedKey{"deg", {TKey::Degrees}},
    TNamedKey{"rad", {TKey::Radians}},
    TNamedKey{"grad", {TKey::Grads}},
    TNamedKey{"quit", {TKey::Quit}},
};

// The tax keys by their captions: "+" name, "-" name, name "(i)", name "(e)".
struct TTaxKey {
  std::string_view Before, After;
  TVeltronaOper Code;
};
constexpr TTaxKey TaxKeys[] = {
    {"+", "", scePlusTax}, {"-", "", sceMinusTax}, {"", "(i)", sceTaxInc}, {"", "(e)", sceTaxExcl}};

char Lower(char C) {
  return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C;
}

bool SameName(std::string_view A, std::string_view B) {
  if (A.size() != B.size()) return false;
  for (std::size_t I = 0; I < A.size(); ++I)
    if (Lower(A[I]) != Lower(B[I])) return false;
  return true;
}

bool IsTaxWord(std::string_view Word, const TTaxKey& Key, std::string_view Name) {
  return !Name.empty() && Word.size() == Key.Before.size() + Name.size() + Key.After.size() &&
         SameName(Word.substr(0, Key.Before.size()), Key.Before) &&
         SameName(Word.substr(Key.Before.size(), Name.size()), Name) &&
         SameName(Word.substr(Key.Before.size() + Name.size()), Key.After);
}

int DigitValue(char C) {
  if (C >= '0' && C <= '9') return C - '0';
  C = Lower(C);
  if (C >= 'a' && C <= 'f') return C - 'a' + 10;
  return -1;
}

// The keypad's own limits: digits are taken while the number so far is at most 999999999,
// and nine decimals at most; a digit more would be dropped without a word, so such a number
// is refused instead.
constexpr long double MaxBeforeDigit = 999999999;
constexpr int MaxDecimals = 9;

TKeyWord TooLong(std::string_view Word) {
  return {
      {},
      Filled(QCoreApplication::translate("veltrona-tape",
                                         "'%1' has more digits than the keypad takes (ten before "
                                         "the point, nine after it)"),
             {Word})};
}

// The locale's separator is taken beside "." unless it could be read as part of a number.
bool UsableSeparator(std::string_view Separator) {
  if (Separator.empty() || Separator == ".") return false;
  for (const char C : Separator) {
    if (DigitValue(C) >= 0 || C == '+' || C == '-' || Lower(C) == 'e') return false;
  }
  return true;
}

TKeyWord Unknown(std::string_view Word) {
  return {{}, Filled(QCoreApplication::translate("veltrona-tape", "unknown word '%1'"), {Word})};
}

// A number in the current radix: [-] digits [point digits] [e [+|-] digits], the exponent and
// the point in decimal only.
TKeyWord ReadNumber(std::string_view Word, const TWordContext& Context) {
  const int Radix = Context.HexMode ? 16 : 10;
  TKeyWord Out;
  std::size_t I = 0;
  const bool Negative = Word.starts_with('-');
  if (Negative) ++I;
  long double Value = 0;
  int MantissaDigits = 0;
  const auto Digits = [&](bool Fraction) {
    int Count = 0;
    for (; I < Word.size(); ++I) {
      const int D = DigitValue(Word[I]);
      if (D < 0 || D >= Radix) break;
      if (!Fraction && Value > MaxBeforeDigit) return -1;
      if (!Fraction) Value = Value * Radix + D;
      Out.Keys.push_back({TKey::Digit, D});
      ++Count;
    }
    return Count;
  };
  const int Whole = Digits(false);
  if (Whole < 0) return TooLong(Word);
  MantissaDigits += Whole;
  if (!Context.HexMode) {
    std::string_view Separator;
    if (Word.substr(I).starts_with('.'))
      Separator = ".";
    else if (UsableSeparator(Context.DecimalSeparator) &&
             Word.substr(I).starts_with(Context.DecimalSeparator))
      Separator = Context.DecimalSeparator;
    if (!Separator.empty()) {
      I += Separator.size();
      Out.Keys.push_back({TKey::Point});
      const int Decimals = Digits(true);
      if (Decimals > MaxDecimals) return TooLong(Word);
      MantissaDigits += Decimals;
    }
  }
  if (MantissaDigits == 0) return Unknown(Word);
  bool HasExponent = false;
  if (!Context.HexMode && I < Word.size() && Lower(Word[I]) == 'e') {
    ++I;
    HasExponent = true;
    Out.Keys.push_back({TKey::Exp});
    if (I < Word.size() && (Word[I] == '+' || Word[I] == '-')) {
      // The sign key while the exponent is typed turns the exponent's sign.
      if (Word[I] == '-') Out.Keys.push_back({TKey::Sign});
      ++I;
    }
    if (Digits(true) == 0) return Unknown(Word);
  }
  if (I != Word.size()) return Unknown(Word);
  if (Negative) {
    // The sign key makes the next digit start a new number, so the exponent could not follow.
    if (HasExponent)
      return {
          {},
          Filled(QCoreApplication::translate("veltrona-tape",
                                             "'%1': the keypad types no negative number with an "
                                             "exponent; use 0 - %2"),
                 {Word, Word.substr(1)})};
    Out.Keys.push_back({TKey::Sign});
  }
  return Out;
}

}  // namespace

TKeyWord ReadKeyWord(std::string_view Word, const TWordContext& Context) {
  if (Word.empty()) return Unknown(Word);
  for (const TNamedKey& Named : NamedKeys) {
    if (SameName(Word, Named.Name)) return {{Named.Press}, {}};
  }
  for (const TTaxKey& Tax : TaxKeys) {
    if (IsTaxWord(Word, Tax, Context.TaxLit) || IsTaxWord(Word, Tax, "tax"))
      return {{{TKey::Operator, Tax.Code}}, {}};
  }
  return ReadNumber(Word, Context);
}

TWordContext WordContext(const TCalcModel& Model) {
  return {Model.HexMode(), Model.NumberFormat().DecimalSeparator, Model.Settings().TaxLit};
}

void PressKey(TCalcModel& Model, const TKeyPress& Key) {
  switch (Key.Key) {
    case TKey::Digit:
      return Model.PressDigit(Key.Code);
    case TKey::Point:
      return Model.PressPoint();
    case TKey::Exp:
      return Model.PressExp();
    case TKey::Sign:
      return Model.PressSign();
    case TKey::Operator:
      return Model.PressOperator(static_cast<TVeltronaOper>(Key.Code));
    case TKey::Equals:
      return Model.PressEquals();
    case TKey::BackSpace:
      return Model.BackSpace();
    case TKey::ClearEntry:
      return Model.ClearEntry();
    case TKey::ClearAll:
      return Model.ClearAll();
    case TKey::Pi:
      return Model.PressPi();
    case TKey::MemoryIn:
      return Model.MemoryIn();
    case TKey::MemoryAdd:
      return Model.MemoryAdd();
    case TKey::MemoryRecall:
      return Model.MemoryRecall();
    case TKey::MemoryClear:
      return Model.MemoryClear();
    case TKey::Replay:
      return Model.Replay();
    case TKey::Decimal:
      return Model.SetHexMode(false);
    case TKey::Hex:
      return Model.SetHexMode(true);
    case TKey::Degrees:
      return Model.SetTrigUnits(TrigUnit::Degrees);
    case TKey::Radians:
      return Model.SetTrigUnits(TrigUnit::Radians);
    case TKey::Grads:
      return Model.SetTrigUnits(TrigUnit::Grads);
    case TKey::Quit:
      return;
  }
}

// The words of the terminal program's input and the keys they press.
#include <gtest/gtest.h>

#include "KeyWord.h"

namespace {

using K = TKey;

TKeyPress D(int Digit) {
  return {K::Digit, Digit};
}
TKeyPress Op(TVeltronaOper Code) {
  return {K::Operator, Code};
}

TEST(KeyWord, WordsAndTheirKeys) {
  const TWordContext Decimal;
  const TWordContext Comma{false, ",", "VAT"};
  const TWordContext Hex{true, ".", "Tax"};
  struct TCase {
    const char* Word;
    const TWordContext& Context;
    std::vector<TKeyPress> Keys;
  };
  const TCase Cases[] = {
      {"12", Decimal, {D(1), D(2)}},
      {"0.5", Decimal, {D(0), {K::Point}, D(5)}},
      {".5", Decimal, {{K::Point}, D(5)}},
      {"5.", Decimal, {D(5), {K::Point}}},
      {"1,5", Comma, {D(1), {K::Point}, D(5)}},
      {"1.5", Comma, {D(1), {K::Point}, D(5)}},
      {"1.5e3", Decimal, {D(1), {K::Point}, D(5), {K::Exp}, D(3)}},
      {"2E+10", Decimal, {D(2), {K::Exp}, D(1), D(0)}},
      {"2.5e-4", Decimal, {D(2), {K::Point}, D(5), {K::Exp}, {K::Sign}, D(4)}},
      {"-7", Decimal, {D(7), {K::Sign}}},
      {"-0.25", Decimal, {D(0), {K::Point}, D(2), D(5), {K::Sign}}},
      {"1234567890", Decimal, {D(1), D(2), D(3), D(4), D(5), D(6), D(7), D(8), D(9), D(0)}},
      {"0.123456789",
       Decimal,
       {D(0), {K::Point}, D(1), D(2), D(3), D(4), D(5), D(6), D(7), D(8), D(9)}},
      {"ff", Hex, {D(15), D(15)}},
      {"-1A", Hex, {D(1), D(10), {K::Sign}}},
      {"0c", Hex, {D(0), D(12)}},
      {"c", Hex, {{K::ClearAll}}},
      {"1e3", Hex, {D(1), D(14), D(3)}},
      {"+", Decimal, {Op(sceAdd)}},
      {"-", Decimal, {Op(sceMinus)}},
      {"*", Decimal, {Op(sceTimes)}},
      {"x", Decimal, {Op(sceTimes)}},
      {"X", Decimal, {Op(sceTimes)}},
      {"/", Decimal, {Op(sceDivide)}},
      {"%", Decimal, {Op(scePercen)}},
      {"=", Decimal, {{K::Equals}}},
      {"^", Decimal, {Op(sceNpowr)}},
      {"^1/", Decimal, {Op(sceNroot)}},
      {"^ 1/", Decimal, {Op(sceNroot)}},
      {"1/", Decimal, {Op(sceRecip)}},
      {"Sqr", Decimal, {Op(sceSqr)}},
      {"SQRT", Decimal, {Op(sceSqrt)}},
      {"Log", Decimal, {Op(sceLog)}},
      {"Exp", Decimal, {Op(sceIlog)}},
      {"Loge", Decimal, {Op(sceELog)}},
      {"Expe", Decimal, {Op(sceIelog)}},
      {"sin", Decimal, {Op(sceSin)}},
      {"ASin", Decimal, {Op(sceAsin)}},
      {"cos", Decimal, {Op(sceCos)}},
      {"acos", Decimal, {Op(sceAcos)}},
      {"tan", Decimal, {Op(sceTan)}},
      {"atan", Decimal, {Op(sceAtan)}},
      {"+tax", Decimal, {Op(scePlusTax)}},
      {"-Tax", Decimal, {Op(sceMinusTax)}},
      {"tax(i)", Decimal, {Op(sceTaxInc)}},
      {"TAX(E)", Decimal, {Op(sceTaxExcl)}},
      {"+vat", Comma, {Op(scePlusTax)}},
      {"VAT(i)", Comma, {Op(sceTaxInc)}},
      {"+tax", Comma, {Op(scePlusTax)}},
      {"+/-", Decimal, {{K::Sign}}},
      {"ce", Decimal, {{K::ClearEntry}}},
      {"C", Decimal, {{K::ClearAll}}},
      {"bck", Decimal, {{K::BackSpace}}},
      {"pi", Decimal, {{K::Pi}}},
      {"min", Decimal, {{K::MemoryIn}}},
      {"m+", Decimal, {{K::MemoryAdd}}},
      {"MR", Decimal, {{K::MemoryRecall}}},
      {"mc", Decimal, {{K::MemoryClear}}},
      {"recalc", Decimal, {{K::Replay}}},
      {"hex", Decimal, {{K::Hex}}},
      {"dec", Hex, {{K::Decimal}}},
      {"deg", Decimal, {{K::Degrees}}},
      {"rad", Decimal, {{K::Radians}}},
      {"grad", Decimal, {{K::Grads}}},
      {"quit", Decimal, {{K::Quit}}},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Word);
    const TKeyWord Read = ReadKeyWord(Case.Word, Case.Context);
    EXPECT_EQ(Read.Error, "");
    EXPECT_EQ(Read.Keys, Case.Keys);
  }
}

TEST(KeyWord, WordsThatAreNone) {
  const TWordContext Decimal;
  const TWordContext Hex{true, ".", "Tax"};
  struct TCase {
    const char* Word;
    const TWordContext& Context;
    const char* Error;
  };
  const TCase Cases[] = {
      {"foo", Decimal, "unknown word 'foo'"},
      {"", Decimal, "unknown word ''"},
      {".", Decimal, "unknown word '.'"},
      {"1.2.3", Decimal, "unknown word '1.2.3'"},
      {"1,5", Decimal, "unknown word '1,5'"},
      {"+5", Decimal, "unknown word '+5'"},
      {"1e", Decimal, "unknown word '1e'"},
      {"e5", Decimal, "unknown word 'e5'"},
      {"1e3.5", Decimal, "unknown word '1e3.5'"},
      {"12a", Decimal, "unknown word '12a'"},
      {"1.5", Hex, "unknown word '1.5'"},
      {"fg", Hex, "unknown word 'fg'"},
      {"+vat", Decimal, "unknown word '+vat'"},
      {"sqrt(", Decimal, "unknown word 'sqrt('"},
      {"12345678901", Decimal,
       "'12345678901' has more digits than the keypad takes (ten before the point, nine after "
       "it)"},
      {"0.1234567890", Decimal,
       "'0.1234567890' has more digits than the keypad takes (ten before the point, nine after "
       "it)"},
      {"-1.5e3", Decimal,
       "'-1.5e3': the keypad types no negative number with an exponent; use 0 - 1.5e3"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Word);
    const TKeyWord Read = ReadKeyWord(Case.Word, Case.Context);
    EXPECT_EQ(Read.Error, Case.Error);
    EXPECT_TRUE(Read.Keys.empty());
  }
}

// The keypad's limits, checked against the model itself: every digit a word presses is kept.
TEST(KeyWord, NumbersAtTheKeypadsLimitsArriveWhole) {
  struct TQuiet : ICalcView {
    void ShowDisplayText(const std::string&) override {}
    void AppendTapeLine(const std::string&, std::int32_t, bool, const TTapeLineForm&) override {}
    std::int32_t TapeEndPosition() override { return 0; }
    void SelectTapeRange(std::int32_t, std::int32_t) override {}
    void ShowErrorMessage(const std::string&) override {}
    void StateChanged() override {}
  };
  struct TCase {
    const char* Word;
    bool Hex;
    const char* Display;
  };
  const TCase Cases[] = {
      {"9999999999", false, "9999999999"},        {"000001234567890", false, "1234567890"},
      {"0.999999999", false, "0.999999999"},      {"-12.5", false, "-12.5"},
      {"2.5e-4", false, "2.5000000000000E-0004"}, {"3B9AC9FFF", true, "000000000003B9AC9FFF"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Word);
    TQuiet View;
    TCalcModel Model(View);
    Model.SetHexMode(Case.Hex);
    const TKeyWord Read = ReadKeyWord(Case.Word, WordContext(Model));
    ASSERT_EQ(Read.Error, "");
    for (const TKeyPress& Key : Read.Keys) PressKey(Model, Key);
    EXPECT_EQ(Model.DisplayText(), Case.Display);
  }
}

}  // namespace

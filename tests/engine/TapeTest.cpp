// The lines the engine prints on the tape: layouts, attributes, brackets, number formats,
// hexadecimal and angle units, all read back through a recording host.
#include <gtest/gtest.h>

#include <vector>

#include "EngineLog.h"

namespace {

struct TTapeSettings {
  std::int32_t Format = 1, Digits = 4, Precision = 14, Base = 10, Units = 1;
  std::int32_t SubTotalSym = -1, ExpandSym = -1;  // -1: leave the engine's default brackets
  bool SubTotal = true, Expand = true, AsEntered = false, CommaDecimal = false;
  double TaxRate = 0.1;
};

struct TTapeRow {
  const char* Keys;
  std::vector<TTapeLine> Lines;
  TTapeSettings Settings = {};
};

void ExpectTape(const TTapeRow& Row) {
  SCOPED_TRACE(Row.Keys);
  TEngineLog Log;
  TVeltronaEval& E = Log.Engine;
  const TTapeSettings& S = Row.Settings;
  E.SetTapeFormatMode(S.Format);
  E.SetDigits(S.Digits);
  E.SetPrecision(S.Precision);
  E.SetBaseUnits(S.Base);
  E.SetTrigUnits(S.Units);
  if (S.SubTotalSym >= 0) E.SetSubTotalSym(S.SubTotalSym);
  if (S.ExpandSym >= 0) E.SetExpandOperSym(S.ExpandSym);
  E.SetSubTotal(S.SubTotal);
  E.SetExpandOper(S.Expand);
  E.SetDumbMath(S.AsEntered);
  E.SetTaxRate(S.TaxRate);
  if (S.CommaDecimal) E.SetFormatSettings({",", ".", "#\u00A0\u20AC", "-#\u00A0\u20AC", 2});
  ASSERT_TRUE(Log.Keys(Row.Keys));
  EXPECT_EQ(Log.Tape, Row.Lines);
}

TEST(EngineTape, LinesOfEachLayout) {
  const TTapeRow Rows[] = {
      {"2 + 3 - 4 =", {{"  2", 1}, {"+ 3", 1}, {"{= 5}", 3}, {"- 4", 1}, {"= 1", 4}}},
      {"2 + 3 * 4 =", {{"  2", 1}, {"+ 3", 1}, {"* 4", 1}, {"= 14", 4}}},
      {"5 - 8 =", {{"  5", 1}, {"- 8", 1}, {"= -3", 4, true}}},
      {"5 - 8 +", {{"  5", 1}, {"- 8", 1}, {"{= -3}", 3}}},
      {"1 / 3 =", {{"  1", 1}, {"/ 3", 1}, {"= 0.33333333333333", 4}}},
      {"2 / 3 =", {{"  2", 1}, {"/ 3", 1}, {"= 0.66666666666667", 4}}},
      {"10 root 3 =", {{"  10", 1}, {"^ 1/ 3", 1}, {"= 2.1544346900319", 4}}},
      {"200 + 10 % =", {{"  200", 1}, {"+ 10%", 1}, {"= 220", 4}}},
      {"200 * 10 % =", {{"  200", 1}, {"x 10%", 1}, {"= 20", 4}}},
      // A function or tax right after a number shares its line, then is worked out.
      {"2 + 30 Sin =",
       {{"  2", 1}, {"+ Sin(30\u00B0)", 1}, {"[Sin(30\u00B0) = 0.5]", 2}, {"= 2.5", 4}}},
      {"81 Sqrt Sqrt",
       {{"  Sqrt(81)", 1},
        {"[Sqrt(81) = 9]", 2},
        {"{= 9}", 3},
        {"Sqrt(9)", 1},
        {"[Sqrt(9) = 3]", 2},
        {"{= 3}", 3}}},
      {"0.5 ASin", {{"  ASin(0.5)", 1}, {"[ASin(0.5) = 30\u00B0]", 2}, {"{= 30}", 3}}},
      {"2 Sqrt",
       {{"  Sqrt(2)", 1}, {"[Sqrt(2)", 2}, {" = 1.4142135623731]", 2}, {"{= 1.4142135623731}", 3}}},
      {"5 +/-", {{"  +/-(5)", 1}, {"[+/-(5) = -5]", 2}, {"{= -5}", 3}}},
      // Tax lines with the default rate and name.
      {"100 +Tax", {{"  100 +GST", 1}, {"[100 +10% GST = 110]", 2}, {"{= 110}", 3}}},
      {"110 -Tax", {{"  110 -GST", 1}, {"[110 -10% GST = 100]", 2}, {"{= 100}", 3}}},
      {"110 TaxI", {{"  110 GST Incl", 1}, {"[Incl 10% GST = 10]", 2}, {"{= 10}", 3}}},
      {"100 TaxE", {{"  100 GST Excl", 1}, {"[10% GST = 10]", 2}, {"{= 10}", 3}}},
      {"100 + 10 = TaxI",
       {{"  100", 1},
        {"+ 10", 1},
        {"= 110", 4},
        {"110 GST Incl", 1},
        {"[Incl 10% GST = 10]", 2},
        {"{= 10}", 3}}},
      {"1 + 2 = TaxI",
       {{"  1", 1},
        {"+ 2", 1},
        {"= 3", 4},
        {"3 GST Incl", 1},
        {"[Incl 10% GST", 2},
        {" = 0.27272727272727]", 2},
        {"{= 0.27272727272727}", 3}}},
      // As Entered a function folds after the sum and names the value it acted on.
      {"2 + 9 Sqrt =",
       {{"  2", 1},
        {"+ 9", 1},
        {"Sqrt(11)", 1},
        {"[Sqrt(11)", 2},
        {" = 3.3166247903554]", 2},
        {"{= 3.3166247903554}", 3},
        {"= 3.3166247903554", 4}},
       {.AsEntered = true}},
      {"2 + 3 * 4 =",
       {{"  2", 1}, {"+ 3", 1}, {"{= 5}", 3}, {"* 4", 1}, {"= 20", 4}},
       {.AsEntered = true}},
  };
  for (const TTapeRow& Row : Rows) ExpectTape(Row);
}

TEST(EngineTape, SwitchesAndBrackets) {
  const TTapeRow Rows[] = {
      {"2 + 3 - 9 Sqrt =",
       {{"  2", 1}, {"+ 3", 1}, {"- Sqrt(9)", 1}, {"= 2", 4}},
       {.SubTotal = false, .Expand = false}},
      {"2 + 3 - 9 Sqrt =",
       {{"  2", 1}, {"+ 3", 1}, {"(= 5)", 3}, {"- Sqrt(9)", 1}, {"Sqrt(9) = 3", 2}, {"= 2", 4}},
       {.SubTotalSym = 3, .ExpandSym = 0}},
      {"9 Sqrt",
       {{"  Sqrt(9)", 1}, {"<Sqrt(9) = 3>", 2}, {"= 3", 3}},
       {.SubTotalSym = 0, .ExpandSym = 4}},
  };
  for (const TTapeRow& Row : Rows) ExpectTape(Row);
}

TEST(EngineTape, NumberFormatsBasesAndUnits) {
  const TTapeRow Rows[] = {
      {"1234.5 + 1 =", {{"  1.2345E+3", 1}, {"+ 1.0000E+0", 1}, {"= 1.2355E+3", 4}}, {.Format = 2}},
      {"1234.5 + 1 =", {{"  $1,234.50", 1}, {"+ $1.00", 1}, {"= $1,235.50", 4}}, {.Format = 3}},
      {"5 - 8 =", {{"  $5.00", 1}, {"- $8.00", 1}, {"= -$3.00", 4, true}}, {.Format = 3}},
      {"1234.5 =", {{"  1,234.5000", 1}, {"= 1,234.5000", 4}}, {.Format = 4}},
      {"1234.5 =", {{"  1,234.50", 1}, {"= 1,234.50", 4}}, {.Format = 4, .Digits = 2}},
      {"2 =", {{"  Unknown Tape Format!", 1}, {"= Unknown Tape Format!", 4}}, {.Format = 7}},
      {"2.5 + 1 =", {{"  2,5", 1}, {"+ 1", 1}, {"= 3,5", 4}}, {.CommaDecimal = true}},
      {"1234.5 =", {{"  1.234,5000", 1}, {"= 1.234,5000", 4}}, {.Format = 4, .CommaDecimal = true}},
      // The tax rate is a number of the tape too.
      {"100 +Tax",
       {{"  100 +GST", 1}, {"[100 +17,5% GST = 117,5]", 2}, {"{= 117,5}", 3}},
       {.CommaDecimal = true, .TaxRate = 0.175}},
      {"1234.5 =",
       {{"  1.234,50\u00A0\u20AC", 1}, {"= 1.234,50\u00A0\u20AC", 4}},
       {.Format = 3, .CommaDecimal = true}},
      {"255 + 1 =", {{"  xFF", 1}, {"+ x1", 1}, {"= x100", 4}}, {.Base = 16}},
      {"-1 =", {{"  xFFFFFFFFFFFFFFFF", 1}, {"= xFFFFFFFFFFFFFFFF", 4, true}}, {.Base = 16}},
      {"2.9 =", {{"  x2", 1}, {"= x2", 4}}, {.Base = 16}},
      {"1E30 =",
       {{"  Too Large to Show as Hex", 1}, {"= Too Large to Show as Hex", 4}},
       {.Base = 16}},
      {"30 Sin",
       {{"  Sin(30\u00B0)", 1}, {"[Sin(30\u00B0) = x0]", 2}, {"{= x0}", 3}},
       {.Base = 16}},
      {"30 Sin",
       {{"  Sin(30rd)", 1},
        {"[Sin(30rd)", 2},
        {" = -0.98803162409286]", 2},
        {"{= -0.98803162409286}", 3}},
       {.Units = 2}},
      {"30 Cos",
       {{"  Cos(30gr)", 1},
        {"[Cos(30gr)", 2},
        {" = 0.89100652418837]", 2},
        {"{= 0.89100652418837}", 3}},
       {.Units = 3}},
      {"1234.56 Sin",
       {{"  Sin(1,235.00\u00B0)", 1}, {"[Sin(1,235.00\u00B0) = 0.43]", 2}, {"{= 0.43}", 3}},
       {.Format = 4, .Digits = 2, .Precision = 4}},
  };
  for (const TTapeRow& Row : Rows) ExpectTape(Row);
}

// Every line says which operation printed it, and an entry line which function or tax it
// works out on its own number; the spreadsheet files name the operation by it.
TEST(EngineTape, LinesSayWhichOperationPrintedThem) {
  struct TLineOpers {
    const char* Text;
    TVeltronaOper Oper = sceNone;
    TVeltronaOper Applied = sceNone;
  };
  const auto Shown = [](const std::string& Text, TVeltronaOper Oper, TVeltronaOper Applied) {
    return Text + " (" + std::to_string(Oper) + ", " + std::to_string(Applied) + ")";
  };
  const struct {
    const char* Keys;
    std::vector<TLineOpers> Lines;
  } Rows[] = {
      {"2 + 3 - 4 =",
       {{"  2", sceStart}, {"+ 3", sceAdd}, {"{= 5}"}, {"- 4", sceMinus}, {"= 1", sceEquals}}},
      {"2 + 9 Sqrt =",
       {{"  2", sceStart},
        {"+ Sqrt(9)", sceAdd, sceSqrt},
        {"[Sqrt(9) = 3]", sceSqrt},
        {"= 5", sceEquals}}},
      {"81 Sqrt Sqrt",
       {{"  Sqrt(81)", sceStart, sceSqrt},
        {"[Sqrt(81) = 9]", sceSqrt},
        {"{= 9}"},
        {"Sqrt(9)", sceSqrt},
        {"[Sqrt(9) = 3]", sceSqrt},
        {"{= 3}"}}},
      {"200 + 10 % =", {{"  200", sceStart}, {"+ 10%", scePercenAdd}, {"= 220", sceEquals}}},
      {"2 ^ 3 root 3 / 4 =",
       {{"  2", sceStart},
        {"^ 3", sceNpowr},
        {"{= 8}"},
        {"^ 1/ 3", sceNroot},
        {"{= 2}"},
        {"/ 4", sceDivide},
        {"= 0.5", sceEquals}}},
      {"100 +Tax",
       {{"  100 +GST", sceStart, scePlusTax}, {"[100 +10% GST = 110]", scePlusTax}, {"{= 110}"}}},
      // The error comes as the division is worked out, before the lines are printed.
      {"1 / 0 =",
       {{"Cannot Divide by Zero"}, {"  1", sceStart}, {"/ 0", sceDivide}, {"= 0", sceEquals}}},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Keys);
    TEngineLog Log;
    Log.Keys(Row.Keys);
    std::vector<std::string> Expected, Got;
    for (const TLineOpers& Line : Row.Lines)
      Expected.push_back(Shown(Line.Text, Line.Oper, Line.Applied));
    for (std::size_t I = 0; I < Log.Tape.size() && I < Log.TapeOpers.size(); ++I)
      Got.push_back(Shown(Log.Tape[I].Text, Log.TapeOpers[I].first, Log.TapeOpers[I].second));
    EXPECT_EQ(Got, Expected);
    EXPECT_EQ(Log.Engine.TapeLineOper(), sceNone) << "only while a line is sent";
  }
}

TEST(EngineTape, EntryLinesRecordTheirTapePositionInCharacters) {
  TEngineLog Log;
  ASSERT_TRUE(Log.Keys("2 + 30 Sin ="));
  // "  2" and its line break come first; the combined line counts the degree sign once.
  EXPECT_EQ(Log.Engine.NavIndex(), 2);
  EXPECT_EQ(Log.Engine.NavSelStart(), 4);
  EXPECT_EQ(Log.Engine.NavSelLength(), 10);
  ASSERT_TRUE(Log.Engine.NavPrev());
  ASSERT_TRUE(Log.Engine.NavPrev());
  EXPECT_EQ(Log.Engine.NavIndex(), 1);
  EXPECT_EQ(Log.Engine.NavSelStart(), 0);
  EXPECT_EQ(Log.Engine.NavSelLength(), 3);
}

}  // namespace

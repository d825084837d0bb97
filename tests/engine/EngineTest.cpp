// Entry, precedence, arithmetic, percent and tax, failures and the engine's limits,
// driven key by key through a recording host.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "EngineLog.h"

namespace {

Extended Read(const char* Text) {
  return std::strtold(Text, nullptr);
}

struct TShownRow {
  const char* Keys;
  std::vector<Extended> Shown;  // every value the engine showed, in order
  bool AsEntered = false;
  std::int32_t Units = 1;
  bool Near = false;  // transcendental results: equal to 15 significant digits
};

void ExpectShown(const TShownRow& Row) {
  SCOPED_TRACE(std::string(Row.Keys) + (Row.AsEntered ? " (As Entered)" : "") + " units " +
               std::to_string(Row.Units));
  TEngineLog Log;
  Log.Engine.SetDumbMath(Row.AsEntered);
  Log.Engine.SetTrigUnits(Row.Units);
  ASSERT_TRUE(Log.Keys(Row.Keys));
  EXPECT_TRUE(Log.Errors.empty()) << Log.Errors.front();
  ASSERT_EQ(Log.Shown.size(), Row.Shown.size());
  for (std::size_t I = 0; I < Row.Shown.size(); ++I) {
    if (Row.Near) {
      EXPECT_NEAR(static_cast<double>(Log.Shown[I]), static_cast<double>(Row.Shown[I]),
                  1e-15 * std::max(1.0, std::fabs(static_cast<double>(Row.Shown[I]))))
          << "value " << I;
    } else {
      EXPECT_EQ(Log.Shown[I], Row.Shown[I]) << "value " << I;
    }
  }
}

TEST(EngineEvaluation, ShowsTheValueAfterEveryOperator) {
  const TShownRow Rows[] = {
      {"2 + 3 * 4 =", {2, 3, 14, 14}},
      {"2 + 3 * 4 =", {2, 5, 20, 20}, true},
      {"2 * 3 + 4 =", {2, 6, 10, 10}},
      {"2 * 3 + 4 =", {2, 6, 10, 10}, true},
      {"2 + 3 -", {2, 5}},
      {"2 + 3 *", {2, 3}},
      {"2 + * 5 =", {2, 2, 10, 10}},
      {"2 + - 5 =", {2, 2, -3, -3}},
      {"2 ^ 3 ^ 2 =", {2, 8, 64, 64}},
      {"2 + 9 Sqrt =", {2, 3, 5, 5}},
      {"1 + 2 = + 5 =", {1, 3, 3, 3, 8, 8}},
      {"2 * 3 Sqr =", {2, 9, 18, 18}},
      {"2 * 3 Sqr =", {2, 36, 36, 36}, true},
      {"10 - 4 - 3 =", {10, 6, 3, 3}},
      {"7 = =", {7, 7, 7, 7}},
      // Percent: the key turns the operator before it into a percent operator.
      {"200 + 10 % =", {200, 10, 220, 220}},
      {"200 - 10 % =", {200, 10, 180, 180}},
      {"200 * 10 % =", {200, 10, 20, 20}},
      {"200 / 10 % =", {200, 10, 2000, 2000}},
      {"200 + 10 % +", {200, 10, 220}},
      {"200 + 10 %", {200, 220}, true},
      {"50 %", {0.5L}},
      {"200 + % =", {200, 2, 2, 2}},
      {"5 + 200 * 10 % =", {5, 200, 10, 25, 25}},
      // Tax with the default rate of one tenth.
      {"100 +Tax", {110}},
      {"110 -Tax", {100}},
      {"110 TaxI", {10}},
      {"100 TaxE", {10}},
      {"110 -Tax - 100 =", {100, 100, 0, 0}},
      {"50 + 60 TaxE =", {50, 6, 56, 56}},
      // Powers and roots.
      {"2 ^ 10 =", {2, 1024, 1024}},
      {"2 ^ -2 =", {2, 0.25L, 0.25L}},
      {"0 ^ 0 =", {0, 1, 1}},
      {"0 ^ 5 =", {0, 0, 0}},
      {"-2 ^ 3 =", {-2, -8, -8}},
      {"4 ^ 0.5 =", {4, 2, 2}},
      {"10 ^ -5000 =", {10, 0, 0}},
      {"3 10^x", {1000}},
      {"10 e^x Ln", {std::exp(10.0L), 10}, false, 1, true},
      // Angles: exact where a quarter or half turn is asked for.
      {"1 ASin", {90}},
      {"-1 ASin", {-90}},
      {"-1 ACos", {180}},
      {"0 ACos", {90}},
      {"1 ASin", {100}, false, 3},
      {"0 ACos", {std::acos(0.0L)}, false, 2, true},
      {"30 Sin", {0.5L}, false, 1, true},
      {"90 Sin", {std::sin(90.0L)}, false, 2, true},
      {"100 Sin", {1}, false, 3, true},
      {"100 Cos", {0}, false, 3, true},
      {"50 Tan", {1}, false, 3, true},
      {"1 ATan", {45}, false, 1, true},
      {"2 + 9 Sqrt =", {2, std::sqrt(11.0L), std::sqrt(11.0L), std::sqrt(11.0L)}, true, 1, true},
  };
  for (const TShownRow& Row : Rows) ExpectShown(Row);
}

TEST(EngineEvaluation, DecimalProductsAreExact) {
  struct TRow {
    const char* Keys;
    Extended Total;
  } const Rows[] = {
      {"1.1 * 1.1 =", Read("1.21")},
      {"4000000000 * 3000000000 =", 12000000000000000000.0L},
      {"1234.5678 * 8765.4321 =", Read("10821520.2237464")},
      {"3 * 0.0000001 =", Read("0.0000003")},
      {"0.1 * 3 =", Read("0.3")},
      {"-0.5 * 0.5 =", -0.25L},
      {"19.99 * 3 =", Read("59.97")},
      {"2.675 * 100 =", Read("267.5")},
      {"123456789 * 987654321 =", 121932631112635269.0L},
      {"1.5E-12 * 2 =", Read("3E-12")},
      {"19.99 +Tax", Read("21.989")},
      {"19.99 TaxE", Read("1.999")},
  };
  for (const TRow& Row : Rows) {
    SCOPED_TRACE(Row.Keys);
    TEngineLog Log;
    ASSERT_TRUE(Log.Keys(Row.Keys));
    EXPECT_EQ(Log.LastShown(), Row.Total);
  }
}

TEST(EngineEvaluation, PercentKeyIsPlainDivisionWhenDumb) {
  TEngineLog Log;
  Log.Engine.SetDumbPercen(true);
  ASSERT_TRUE(Log.Keys("200 + 10 % ="));
  EXPECT_EQ(Log.LastShown(), Read("200.1"));
}

TEST(EngineEvaluation, TaxRateZeroAndMinusOne) {
  struct TRow {
    double Rate;
    const char* Keys;
    Extended Shown;
    const char* Error;
  } const Rows[] = {
      {0, "100 +Tax", 100, ""},
      {0, "100 -Tax", 100, ""},
      {0, "100 TaxI", 0, ""},
      {0, "100 TaxE", 0, ""},
      {-1, "110 -Tax", 0, "Cannot Divide by Zero"},
      {-1, "110 TaxI", 0, "Cannot Divide by Zero"},
      {-1, "110 +Tax", 0, ""},
      {0.125, "100 +Tax", Read("112.5"), ""},
  };
  for (const TRow& Row : Rows) {
    SCOPED_TRACE(std::string(Row.Keys) + " at rate " + std::to_string(Row.Rate));
    TEngineLog Log;
    Log.Engine.SetTaxRate(Row.Rate);
    ASSERT_TRUE(Log.Keys(Row.Keys));
    EXPECT_EQ(Log.LastShown(), Row.Shown);
    EXPECT_EQ(Log.Errors, std::vector<std::string>(*Row.Error ? 1 : 0, Row.Error));
  }
}

TEST(EngineFailures, EachFailureBecomesAnErrorLineAndAZeroResult) {
  struct TRow {
    const char* Keys;
    const char* Error;
  } const Rows[] = {
      {"5 / 0 =", "Cannot Divide by Zero"},
      {"0 / 0 =", "Invalid Input"},
      {"9 +/- Sqrt", "Invalid Input"},
      {"0 Log", "Cannot Divide by Zero"},
      {"-1 Ln", "Invalid Input"},
      {"0 1/x", "Cannot Divide by Zero"},
      {"2 ASin", "Invalid Input"},
      {"-1.5 ACos", "Invalid Input"},
      {"0 ^ -1 =", "Cannot Divide by Zero"},
      {"-8 ^ 0.5 =", "Invalid Input"},
      {"-8 root 3 =", "Invalid Input"},
      {"8 root 0 =", "Cannot Divide by Zero"},
      {"10 ^ 5000 =", "Number too Large"},
      {"1E4000 * 1E4000 =", "Number too Large"},
      {"1E4932 + 1E4932 =", "Number too Large"},
      {"100000 e^x", "Number too Large"},
      {"200 / 0 % =", "Cannot Divide by Zero"},
      {"0.5 ^ -20000 =", "Number too Large"},
  };
  for (const TRow& Row : Rows) {
    SCOPED_TRACE(Row.Keys);
    TEngineLog Log;
    ASSERT_TRUE(Log.Keys(Row.Keys));
    ASSERT_FALSE(Log.Tape.empty());
    EXPECT_EQ(Log.Errors, std::vector<std::string>{Row.Error});
    const TTapeLine ErrorLine{Row.Error, 5, false};
    EXPECT_NE(std::find(Log.Tape.begin(), Log.Tape.end(), ErrorLine), Log.Tape.end());
    EXPECT_TRUE(Log.Engine.EquationInError());
    EXPECT_EQ(Log.LastShown(), 0);
  }
}

TEST(EngineFailures, DivisionByZeroPrintsTheEquationOnTheSecondRun) {
  TEngineLog Log;
  ASSERT_TRUE(Log.Keys("5 / 0 ="));
  const std::vector<TTapeLine> Expected{
      {"Cannot Divide by Zero", 5}, {"  5", 1}, {"/ 0", 1}, {"= 0", 4}};
  EXPECT_EQ(Log.Tape, Expected);
  EXPECT_EQ(Log.Shown, (std::vector<Extended>{5, 0, 0}));
}

TEST(EngineFailures, ErrorStateAbortsSilentlyUntilCleared) {
  TEngineLog Log;
  ASSERT_TRUE(Log.Keys("5 / 0 ="));
  const auto TapeBefore = Log.Tape;
  const auto Count = Log.Engine.EntryCount();
  EXPECT_FALSE(Log.Keys("+"));
  EXPECT_THROW(Log.Engine.EnterNumber(false, 3), EAbortSilent);
  EXPECT_EQ(Log.Tape, TapeBefore);
  EXPECT_EQ(Log.Engine.EntryCount(), Count);
  EXPECT_TRUE(Log.Messages.empty());

  Log.Engine.Clear();
  EXPECT_FALSE(Log.Engine.EquationInError());
  ASSERT_TRUE(Log.Keys("3 + 4 ="));
  EXPECT_EQ(Log.LastShown(), 7);
}

TEST(EngineFailures, FunctionShownBeforeFoldingFailsSilently) {
  // Precedence keeps the root pending, so its value is only shown: no error yet.
  TEngineLog Log;
  ASSERT_TRUE(Log.Keys("2 + 9 +/- Sqrt"));
  EXPECT_EQ(Log.LastShown(), 0);
  EXPECT_TRUE(Log.Errors.empty());
  ASSERT_TRUE(Log.Keys("="));
  EXPECT_EQ(Log.Errors, std::vector<std::string>{"Invalid Input"});
}

TEST(EngineState, NewAndClearedEngines) {
  TVeltronaEval Engine;
  EXPECT_TRUE(Engine.IsEmpty());
  EXPECT_TRUE(Engine.IsAwaitingNumber());
  EXPECT_EQ(Engine.EntryCount(), 0);
  EXPECT_EQ(Engine.TaxLit(), "GST");
  EXPECT_EQ(Engine.TaxRate(), 0.1);
  EXPECT_TRUE(Engine.SubTotal());
  EXPECT_TRUE(Engine.ExpandOper());
  EXPECT_EQ(Engine.SubTotalSym(), 0);
  EXPECT_EQ(Engine.ExpandOperSym(), 0);
  EXPECT_EQ(Engine.TrigUnits(), 1);
  EXPECT_EQ(Engine.BaseUnits(), 10);
  EXPECT_EQ(Engine.TapeFormatMode(), 1);
  EXPECT_EQ(Engine.Digits(), 4);
  EXPECT_EQ(Engine.Precision(), 14);

  Engine.Clear();
  EXPECT_EQ(Engine.EntryCount(), 1);
  EXPECT_TRUE(Engine.IsEmpty());
  EXPECT_TRUE(Engine.IsAwaitingNumber());

  Engine.EnterNumber(false, 2);
  EXPECT_FALSE(Engine.IsEmpty());
  EXPECT_FALSE(Engine.IsAwaitingNumber());
  Engine.EnterOperator(sceAdd);
  EXPECT_TRUE(Engine.IsAwaitingNumber());
  Engine.EnterOperator(sceSqrt);  // replaces the waiting +
  EXPECT_FALSE(Engine.IsAwaitingNumber());
  EXPECT_EQ(Engine.EntryCount(), 2);
}

TEST(EngineState, OperatorWithoutOpeningNumberWorksOnZero) {
  TEngineLog Log;
  ASSERT_TRUE(Log.Keys("+ 5 ="));
  EXPECT_EQ(Log.LastShown(), 5);
  EXPECT_EQ(Log.Engine.EquationText(), "0+5=");
}

TEST(EngineState, SecondNumberInARowIsRefused) {
  TEngineLog Log;
  ASSERT_TRUE(Log.Keys("2 + 3"));
  EXPECT_THROW(Log.Engine.EnterNumber(false, 4), EAbortSilent);
  ASSERT_TRUE(Log.Keys("="));
  EXPECT_EQ(Log.LastShown(), 5);
}

TEST(EngineState, BracketChoices) {
  TEngineLog Log;
  Log.Engine.SetSubTotalSym(3);
  Log.Engine.SetSubTotalSym(5);
  EXPECT_EQ(Log.Messages, std::vector<std::string>{"Invalid fSubTotalSymIndex"});
  EXPECT_EQ(Log.Engine.SubTotalSym(), 5);
  Log.Engine.SetExpandOperSym(-1);
  EXPECT_EQ(Log.Messages.back(), "Invalid fExpandOperSymIndex");
  Log.Engine.SetExpandOperSym(0);
  ASSERT_TRUE(Log.Keys("2 + 3 - 9 Sqrt ="));
  // The rejected index kept the round brackets chosen before it.
  ASSERT_EQ(Log.Tape.size(), 6u);
  EXPECT_EQ(Log.Tape[2], (TTapeLine{"(= 5)", 3}));
  EXPECT_EQ(Log.Tape[4], (TTapeLine{"Sqrt(9) = 3", 2}));
}

TEST(EngineLimits, NinetyNineEntriesAndNoMore) {
  TEngineLog Log;
  std::string Keys = "1";
  for (int I = 2; I <= MaxEntries; ++I) Keys += I % 2 ? " + 2" : " * 3";
  ASSERT_TRUE(Log.Keys(Keys));
  ASSERT_EQ(Log.Engine.EntryCount(), MaxEntries);
  const std::string Text = Log.Engine.EquationText();
  const Extended Value = Log.LastShown();
  const std::size_t TapeLines = Log.Tape.size();

  EXPECT_FALSE(Log.Keys("+"));
  EXPECT_EQ(Log.Messages, std::vector<std::string>{"Equation Limit Reached!"});
  EXPECT_EQ(Log.Engine.EntryCount(), MaxEntries);
  EXPECT_EQ(Log.Engine.EquationText(), Text);
  EXPECT_EQ(Log.LastShown(), Value);
  EXPECT_EQ(Log.Tape.size(), TapeLines);
  // A unary operator needs a new entry too.
  EXPECT_FALSE(Log.Keys("Sqrt"));
  EXPECT_EQ(Log.Messages.size(), 2u);
  // Equals also needs one: the full equation can't be totalled, but it is kept whole.
  EXPECT_FALSE(Log.Keys("="));
  EXPECT_EQ(Log.Engine.EquationText(), Text);
}

}  // namespace

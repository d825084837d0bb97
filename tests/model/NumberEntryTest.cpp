// The number being typed, on its own: digits, point, exponent, sign and Backspace.
#include <gtest/gtest.h>

#include <cmath>

#include "NumberEntry.h"

namespace {

const TFormatSettings Dot;

TEST(NumberEntry, DigitsAndPoint) {
  TNumberEntry In;
  EXPECT_FALSE(In.Entering());
  for (int D : {1, 2}) In.AppendDigit(D, 10);
  EXPECT_TRUE(In.Entering());
  EXPECT_EQ(In.Entry(), 12);
  EXPECT_TRUE(In.AddPoint());
  EXPECT_FALSE(In.AddPoint());
  for (int D : {5, 0, 7}) In.AppendDigit(D, 10);
  EXPECT_EQ(In.Entry(), 12.507L);
  EXPECT_EQ(In.ShownDecimals(), 3);
  In.HandedOver();
  EXPECT_FALSE(In.Entering());
  EXPECT_EQ(In.Entry(), 0);
}

TEST(NumberEntry, HexadecimalDigitsUseTheRadix) {
  TNumberEntry In;
  for (int D : {1, 15}) In.AppendDigit(D, 16);
  EXPECT_EQ(In.Entry(), 31);
  EXPECT_TRUE(In.BackSpace("0000000000000000001F", true, Dot));
  EXPECT_EQ(In.Entry(), 1);
}

TEST(NumberEntry, ExponentAndItsSign) {
  TNumberEntry In;
  In.AppendDigit(2, 10);
  In.BeginExponent();
  EXPECT_TRUE(In.AppendExponentDigit(3, 10, Dot));
  EXPECT_EQ(In.Entry(), 2000);
  EXPECT_TRUE(In.ToggleExponentSign(Dot));
  EXPECT_EQ(In.Entry(), 0.002L);
  EXPECT_TRUE(In.ToggleExponentSign(Dot));
  for (int D : {9, 9, 9}) EXPECT_TRUE(In.AppendExponentDigit(D, 10, Dot));  // 2E3999
  EXPECT_FALSE(In.AppendExponentDigit(9, 10, Dot));                         // 2E39999
  EXPECT_EQ(In.Entry(), 0);
  EXPECT_FALSE(In.ExpEntry());
}

TEST(NumberEntry, SignEndsTheNumberAndAWholeNumberIsReplaced) {
  TNumberEntry In;
  In.AppendDigit(5, 10);
  In.Negate();
  EXPECT_EQ(In.Entry(), -5);
  In.AppendDigit(3, 10);
  EXPECT_EQ(In.Entry(), 3);
  In.ArriveWhole(42);
  EXPECT_FALSE(In.BackSpace("42", false, Dot)) << "a whole number is not edited";
  In.AppendDigit(7, 10);
  EXPECT_EQ(In.Entry(), 7);
}

TEST(NumberEntry, BackSpaceReadsTheShownText) {
  TNumberEntry In;
  In.AppendDigit(1, 10);
  In.AddPoint();
  In.AppendDigit(2, 10);
  EXPECT_TRUE(In.BackSpace("1.2", false, Dot));
  EXPECT_EQ(In.Entry(), 1);
  EXPECT_EQ(In.DecimalCount(), 1);
  const TFormatSettings Arabic{.DecimalSeparator = "\u066B"};
  EXPECT_TRUE(In.BackSpace("1\u066B", false, Arabic)) << "a separator of several bytes";
  EXPECT_EQ(In.Entry(), 1);
}

// The state kept through a kill reads back to the same bits, whatever the value.
TEST(NumberEntry, SavedStateReadsBackExactly) {
  for (const Extended Value : {0.1L, -0.0L, 3.14159265358979323846264338327950288L, 1e-4000L,
                               -1.18973149535723176502e+4932L, 12345678901.000000001L}) {
    TNumberEntry In;
    In.ArriveWhole(Value);
    TNumberEntry Out;
    ASSERT_TRUE(Out.Restore(In.Saved())) << In.Saved();
    EXPECT_EQ(Out.Entry(), Value) << In.Saved();
    EXPECT_EQ(Out.Saved(), In.Saved());
    EXPECT_EQ(std::signbit(Out.Entry()), std::signbit(Value));
  }
  TNumberEntry Out;
  for (const char* Bad :
       {"", "1p1 1 0 0 0 0 0p0 1", "1p1 1 0 0 0 0 0p0 2 0", "1p99999 1 0 0 0 0 0p0 1 0",
        "x 1 0 0 0 0 0p0 1 0", "1p1 1 0 0 0 0 0p0 1 0 extra"})
    EXPECT_FALSE(Out.Restore(Bad)) << Bad;
}

}  // namespace

// The settings record as a first run sees it.
#include <gtest/gtest.h>

#include "CalcSettings.h"

namespace {

TEST(CalcSettings, FirstRunValues) {
  const TCalcSettings S;
  EXPECT_EQ(S.NumOpt, 1);
  EXPECT_EQ(S.Digits, 2);
  EXPECT_TRUE(S.Subtotals);
  EXPECT_TRUE(S.ExpandOper);
  EXPECT_EQ(S.SubTotalsSymIndex, 1);
  EXPECT_EQ(S.ExpandOperSymIndex, 2);
  EXPECT_EQ(S.SubTotalsColor, "clGreen");
  EXPECT_EQ(S.ExpandOperColor, "clBlue");
  EXPECT_FALSE(S.Dumb);
  EXPECT_TRUE(S.TotalsBold);
  EXPECT_TRUE(S.TotalsUnder);
  EXPECT_FALSE(S.TotalsRed);
  EXPECT_EQ(S.AnnotColor, "clBlue");
  EXPECT_FALSE(S.AnnotItalics);
  EXPECT_FALSE(S.AnnotUnder);
  EXPECT_EQ(S.Notes, TNoteTexts{});
  EXPECT_EQ(S.TaxRate, 0.1);
  EXPECT_EQ(S.TaxLit, "Tax");
  EXPECT_EQ(S.SaveDest, "");
  EXPECT_EQ(S.SaveTape, "");
  EXPECT_FALSE(S.Large);
  EXPECT_FALSE(S.LargeApplied);
}

}  // namespace

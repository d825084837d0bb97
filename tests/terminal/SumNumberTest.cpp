// The amounts of --sum as a column of a bank statement writes them.
#include <gtest/gtest.h>

#include "SumNumber.h"

namespace {

const TFormatSettings Point{};
const TFormatSettings Comma{",", ".", "#\u00a0€", "-#\u00a0€", 2};

TEST(SumNumber, Amounts) {
  struct TCase {
    const char* Line;
    const TFormatSettings& Format;
    std::optional<Extended> Value;
  };
  const TCase Cases[] = {
      {"12.50", Point, 12.5L},
      {"  7 ", Point, 7},
      {"-3.25", Point, -3.25L},
      {"3.25-", Point, -3.25L},
      {"(5.00)", Point, -5},
      {"\"1,234.56\"", Point, 1234.56L},
      {"1,234,567", Point, 1234567},
      {"1.234,56", Point, 1234.56L},
      {"1,5", Point, 1.5L},
      {"1,500", Point, 1500},
      {"1,500", Comma, 1.5L},
      {"1.500", Comma, 1500},
      {"1.5", Comma, 1.5L},
      {"$1,234.50", Point, 1234.5L},
      {"-12,50\u00a0€", Comma, -12.5L},
      {"EUR 12.50", Point, 12.5L},
      {"1 234,50", Comma, 1234.5L},
      {"1'234.50", Point, 1234.5L},
      {"\u2212"
       "4",
       Point, -4},
      {"+4", Point, 4},
      {"1.5e3", Point, 1500},
      {"Amount", Point, std::nullopt},
      {"", Point, std::nullopt},
      {"-", Point, std::nullopt},
      {"12/05", Point, std::nullopt},
      {"--5", Point, std::nullopt},
      {"7*3", Point, std::nullopt},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Line);
    EXPECT_EQ(ReadSumNumber(Case.Line, Case.Format), Case.Value);
  }
}

}  // namespace

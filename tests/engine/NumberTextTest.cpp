#include "NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

namespace {

using Limits = std::numeric_limits<Extended>;

const Extended Inf = Limits::infinity();
const Extended NaN = Limits::quiet_NaN();
const Extended Denorm = Limits::denorm_min();

const TFormatSettings Dflt{};
const TFormatSettings Euro{",", ".", "#$", "-#$", 2};
const TFormatSettings NbspParen{".", "\xC2\xA0", "$#", "($#)", 2};   // no-break space
const TFormatSettings Arabic{"\xD9\xAB", "\xD9\xAC", "#", "-#", 3};  // two-byte separators
const TFormatSettings Yen{".", ",", "\xC2\xA5#", "-\xC2\xA5#", 0};
const TFormatSettings NoHash{".", ",", "$", "$-", 2};
const TFormatSettings Garbage{"", "5", "$#", "-$#", -7};  // unusable separators and decimals
const TFormatSettings SameSeps{",", ",", "$#", "-$#", 2};

enum class TForm { General, Scientific, ExponentEntry, Fixed, Number, Currency };

struct TFormatRow {
  Extended V;
  TForm Form;
  int P;  // significant digits (General, Fixed, Number, Currency)
  int D;  // decimals (Scientific, Fixed, Number)
  const TFormatSettings* Fs;
  const char* Expected;
};

std::string Format(const TFormatRow& R) {
  switch (R.Form) {
    case TForm::General:
      return NumberText::General(R.V, R.P, *R.Fs);
    case TForm::Scientific:
      return NumberText::Scientific(R.V, R.D, *R.Fs);
    case TForm::ExponentEntry:
      return NumberText::ExponentEntry(R.V, *R.Fs);
    case TForm::Fixed:
      return NumberText::Fixed(R.V, R.P, R.D, *R.Fs);
    case TForm::Number:
      return NumberText::Number(R.V, R.P, R.D, *R.Fs);
    case TForm::Currency:
      return NumberText::Currency(R.V, R.P, *R.Fs);
  }
  return "?";
}

using enum TForm;

const TFormatRow FormatRows[] = {
    // General: layout switch at p digits before the point and at 0.0001.
    {1E20L, General, 15, 0, &Dflt, "1E20"},
    {1.5E-7L, General, 15, 0, &Dflt, "1.5E-7"},
    {0.0001L, General, 15, 0, &Dflt, "0.0001"},
    {0.00012345L, General, 15, 0, &Dflt, "0.00012345"},
    {0.000099999999999999999L, General, 15, 0, &Dflt, "0.0001"},
    {1E-5L, General, 15, 0, &Dflt, "1E-5"},
    {123456789012345.0L, General, 15, 0, &Dflt, "123456789012345"},
    {1E15L, General, 15, 0, &Dflt, "1E15"},
    {999999999999999.5L, General, 15, 0, &Dflt, "1E15"},  // exact tie, carried past p digits
    {1.0L / 3, General, 14, 0, &Dflt, "0.33333333333333"},
    {2.0L / 3, General, 14, 0, &Dflt, "0.66666666666667"},
    {1.0L / 3, General, 15, 0, &Dflt, "0.333333333333333"},
    {-2.0L / 3, General, 15, 0, &Dflt, "-0.666666666666667"},
    {9.9999999999999995L, General, 14, 0, &Dflt, "10"},
    {9.9999999999999995L, General, 18, 0, &Dflt, "9.9999999999999995"},
    {0.125L, General, 2, 0, &Dflt, "0.13"},  // exact ties round away from zero
    {-0.125L, General, 2, 0, &Dflt, "-0.13"},
    {12345.678L, General, 1, 0, &Dflt, "1.2E4"},                // p clamped to 2
    {1.0L / 3, General, 99, 0, &Dflt, "0.333333333333333333"},  // p clamped to 18
    {0.0L, General, 15, 0, &Dflt, "0"},
    {-0.0L, General, 15, 0, &Dflt, "0"},
    {LDBL_MAX, General, 15, 0, &Dflt, "1.18973149535723E4932"},
    {LDBL_MIN, General, 15, 0, &Dflt, "3.36210314311209E-4932"},
    {Denorm, General, 15, 0, &Dflt, "3.64519953188247E-4951"},
    {-Denorm, General, 15, 0, &Dflt, "-3.64519953188247E-4951"},
    {Inf, General, 15, 0, &Dflt, ""},
    {-Inf, General, 15, 0, &Dflt, ""},
    {NaN, General, 15, 0, &Dflt, ""},
    {1234.5L, General, 15, 0, &Euro, "1234,5"},
    {-1.5E-7L, General, 15, 0, &Euro, "-1,5E-7"},
    {2.5L, General, 15, 0, &Arabic,
     "2\xD9\xAB"
     "5"},
    {2.5L, General, 15, 0, &Garbage, "2.5"},

    // Scientific rounds the binary value once; 0.99995 lies just below the tie.
    {1234.5L, Scientific, 0, 4, &Dflt, "1.2345E+3"},
    {1234.5L, Scientific, 0, 3, &Dflt, "1.235E+3"},  // exact tie
    {2.5L, Scientific, 0, 0, &Dflt, "3E+0"},
    {0.99995L, Scientific, 0, 4, &Dflt, "9.9995E-1"},
    {0.99995L, Scientific, 0, 3, &Dflt, "9.999E-1"},
    {0.99999L, Scientific, 0, 3, &Dflt, "1.000E+0"},
    {-1.5E-7L, Scientific, 0, 2, &Dflt, "-1.50E-7"},
    {0.0L, Scientific, 0, 4, &Dflt, "0.0000E+0"},
    {-0.0L, Scientific, 0, 4, &Dflt, "0.0000E+0"},
    {1.0L / 3, Scientific, 0, 18, &Dflt, "3.333333333333333333E-1"},
    {1.0L / 3, Scientific, 0, 25, &Dflt, "3.333333333333333333E-1"},  // 19 digits at most
    {1.0L / 3, Scientific, 0, -3, &Dflt, "3E-1"},
    {LDBL_MAX, Scientific, 0, 4, &Dflt, "1.1897E+4932"},
    {LDBL_MIN, Scientific, 0, 2, &Dflt, "3.36E-4932"},
    {Denorm, Scientific, 0, 4, &Dflt, "3.6452E-4951"},
    {Inf, Scientific, 0, 4, &Dflt, ""},
    {NaN, Scientific, 0, 4, &Dflt, ""},
    {1234.5L, Scientific, 0, 4, &Euro, "1,2345E+3"},

    {12.5L, ExponentEntry, 0, 0, &Dflt, "1.2500000000000E+0001"},
    {1.0L, ExponentEntry, 0, 0, &Dflt, "1.0000000000000E+0000"},
    {0.0L, ExponentEntry, 0, 0, &Dflt, "0.0000000000000E+0000"},
    {-2.5E-300L, ExponentEntry, 0, 0, &Dflt, "-2.5000000000000E-0300"},
    {LDBL_MAX, ExponentEntry, 0, 0, &Dflt, "1.1897314953572E+4932"},
    {Denorm, ExponentEntry, 0, 0, &Dflt, "3.6451995318825E-4951"},
    {-Inf, ExponentEntry, 0, 0, &Dflt, ""},
    {12.5L, ExponentEntry, 0, 0, &Euro, "1,2500000000000E+0001"},

    // Fixed: P significant digits first, then D decimals on those decimal digits.
    {1234567.891L, Fixed, 14, 2, &Dflt, "1234567.89"},
    {0.99995L, Fixed, 14, 4, &Dflt, "1.0000"},
    {0.99995L, Fixed, 4, 4, &Dflt, "0.9999"},  // the P rounding sees the binary value
    {2.5L, Fixed, 14, 0, &Dflt, "3"},
    {-2.5L, Fixed, 14, 0, &Dflt, "-3"},
    {0.125L, Fixed, 14, 2, &Dflt, "0.13"},
    {-0.001L, Fixed, 14, 2, &Dflt, "0.00"},
    {-0.005L, Fixed, 14, 2, &Dflt, "-0.01"},
    {0.006L, Fixed, 14, 2, &Dflt, "0.01"},
    {0.0004L, Fixed, 14, 2, &Dflt, "0.00"},
    {999.96L, Fixed, 5, 1, &Dflt, "1000.0"},
    {9.9999999999999995L, Fixed, 14, 2, &Dflt, "10.00"},
    {1.21L, Fixed, 10, 4, &Dflt, "1.2100"},
    {1.1L, Fixed, 15, 20, &Dflt, "1.10000000000000000000"},
    {1E20L, Fixed, 14, 2, &Dflt, "1E20"},
    {123456789012345.0L, Fixed, 14, 2, &Dflt, "1.2345678901235E14"},
    {99999999999999.5L, Fixed, 14, 2, &Dflt, "1E14"},  // rounding adds a digit before the point
    {1234.5678L, Fixed, 1, 2, &Dflt, "1.2E3"},         // P clamped to 2
    {0.0L, Fixed, 14, 3, &Dflt, "0.000"},
    {-0.0L, Fixed, 14, 3, &Dflt, "0.000"},
    {Denorm, Fixed, 14, 2, &Dflt, "0.00"},
    {-Denorm, Fixed, 14, 2, &Dflt, "0.00"},
    {LDBL_MAX, Fixed, 14, 2, &Dflt, "1.1897314953572E4932"},
    {Inf, Fixed, 14, 2, &Dflt, ""},
    {NaN, Fixed, 14, 2, &Dflt, ""},
    {1234567.891L, Fixed, 14, 2, &Euro, "1234567,89"},

    {1234567.891L, Number, 14, 2, &Dflt, "1,234,567.89"},
    {-1234567.891L, Number, 14, 2, &Dflt, "-1,234,567.89"},
    {0.99995L, Number, 14, 4, &Dflt, "1.0000"},
    {123.456L, Number, 14, 0, &Dflt, "123"},
    {1000.0L, Number, 14, 0, &Dflt, "1,000"},
    {100000.0L, Number, 14, 0, &Dflt, "100,000"},
    {999999.5L, Number, 14, 0, &Dflt, "1,000,000"},
    {999.96L, Number, 5, 1, &Dflt, "1,000.0"},
    {-1E-9L, Number, 14, 2, &Dflt, "0.00"},
    {1E20L, Number, 14, 2, &Dflt, "1E20"},
    {1234567.891L, Number, 14, 2, &Euro, "1.234.567,89"},
    {1234567.891L, Number, 14, 2, &NbspParen,
     "1\xC2\xA0"
     "234\xC2\xA0"
     "567.89"},
    {1234567.5L, Number, 14, 1, &Arabic,
     "1\xD9\xAC"
     "234\xD9\xAC"
     "567\xD9\xAB"
     "5"},
    {1234.5L, Number, 14, 1, &Garbage, "1234.5"},
    {1234.5L, Number, 14, 1, &SameSeps, "1234,5"},

    {1234.5L, Currency, 14, 0, &Dflt, "$1,234.50"},
    {-1234.5L, Currency, 14, 0, &Dflt, "-$1,234.50"},
    {-0.001L, Currency, 14, 0, &Dflt, "$0.00"},
    {1E20L, Currency, 14, 0, &Dflt, "1E20"},
    {1234.5L, Currency, 14, 0, &Euro, "1.234,50$"},
    {-1234.5L, Currency, 14, 0, &Euro, "-1.234,50$"},
    {-2.5L, Currency, 14, 0, &NbspParen, "($2.50)"},
    {2.5L, Currency, 14, 0, &NbspParen, "$2.50"},
    {1234.5L, Currency, 14, 0, &Yen,
     "\xC2\xA5"
     "1,235"},
    {2.5L, Currency, 14, 0, &NoHash, "2.50"},
    {-2.5L, Currency, 14, 0, &NoHash, "-2.50"},
    {2.5L, Currency, 14, 0, &Garbage, "$3"},
    {Inf, Currency, 14, 0, &Dflt, ""},
    {NaN, Currency, 14, 0, &Dflt, ""},
};

TEST(NumberTextTest, FormatsTable) {
  for (const TFormatRow& R : FormatRows) {
    SCOPED_TRACE(testing::Message() << "value " << static_cast<double>(R.V) << " form "
                                    << static_cast<int>(R.Form) << " P " << R.P << " D " << R.D);
    EXPECT_EQ(Format(R), R.Expected);
  }
}

TEST(NumberTextTest, HexDigitsTable) {
  struct TRow {
    Extended V;
    std::optional<std::string> Expected;
  };
  const TRow Rows[] = {
      {255, "FF"},
      {-1, "FFFFFFFFFFFFFFFF"},
      {2.9L, "2"},
      {-2.9L, "FFFFFFFFFFFFFFFE"},
      {0, "0"},
      {-0.5L, "0"},
      {9223372036854775807.0L, "7FFFFFFFFFFFFFFF"},
      {-9223372036854775808.0L, "8000000000000000"},
      {9223372036854775808.0L, std::nullopt},
      {-9223372036854775809.0L, std::nullopt},
      {1E30L, std::nullopt},
      {LDBL_MAX, std::nullopt},
      {Inf, std::nullopt},
      {-Inf, std::nullopt},
      {NaN, std::nullopt},
  };
  for (const TRow& R : Rows) {
    SCOPED_TRACE(static_cast<double>(R.V));
    EXPECT_EQ(NumberText::HexDigits(R.V), R.Expected);
  }
}

TEST(NumberTextTest, ParseTable) {
  struct TRow {
    const char* Text;
    const TFormatSettings* Fs;
    std::optional<Extended> Expected;
  };
  const TRow Rows[] = {
      {"2.5", &Dflt, 2.5L},
      {" \t-3.25e+2 \t", &Dflt, -325.0L},
      {"+.5", &Dflt, 0.5L},
      {"5.", &Dflt, 5.0L},
      {"1E3", &Dflt, 1000.0L},
      {"1e-3", &Dflt, 1E-3L},
      {"0.1", &Dflt, 0.1L},
      {"000123.4500", &Dflt, 123.45L},
      {"0.333333333333333", &Dflt, 0.333333333333333L},
      {"1.18973149535723E4932", &Dflt, 1.18973149535723E4932L},
      {"1e-99999", &Dflt, 0.0L},
      {"0e99999", &Dflt, 0.0L},
      {"-0", &Dflt, 0.0L},
      {"1e99999", &Dflt, std::nullopt},
      {"-1e99999", &Dflt, std::nullopt},
      {"1.2E4933", &Dflt, std::nullopt},
      {"nan", &Dflt, std::nullopt},
      {"inf", &Dflt, std::nullopt},
      {"-infinity", &Dflt, std::nullopt},
      {"0x1p3", &Dflt, std::nullopt},
      {"1,000", &Dflt, std::nullopt},
      {"", &Dflt, std::nullopt},
      {" \t ", &Dflt, std::nullopt},
      {".", &Dflt, std::nullopt},
      {"-", &Dflt, std::nullopt},
      {"e5", &Dflt, std::nullopt},
      {"1e", &Dflt, std::nullopt},
      {"1e+", &Dflt, std::nullopt},
      {"1.2.3", &Dflt, std::nullopt},
      {"1 2", &Dflt, std::nullopt},
      {"--1", &Dflt, std::nullopt},
      {"+-1", &Dflt, std::nullopt},
      {"12abc", &Dflt, std::nullopt},
      {"\n1", &Dflt, std::nullopt},
      {"1\r", &Dflt, std::nullopt},
      {"2,5", &Euro, 2.5L},
      {"-1,5e-7", &Euro, -1.5E-7L},
      {"2.5", &Euro, std::nullopt},
      {"1.000,5", &Euro, std::nullopt},
      {"2\xD9\xAB"
       "5",
       &Arabic, 2.5L},
      {"2\xD9", &Arabic, std::nullopt},  // half a separator
      {"2.5", &Garbage, 2.5L},
  };
  for (const TRow& R : Rows) {
    SCOPED_TRACE(R.Text);
    const std::optional<Extended> Got = NumberText::Parse(R.Text, *R.Fs);
    ASSERT_EQ(Got.has_value(), R.Expected.has_value());
    if (Got) {
      EXPECT_EQ(*Got, *R.Expected);
      EXPECT_FALSE(std::signbit(*Got) && *Got == 0) << "negative zero";
    }
  }
}

TEST(NumberTextTest, ParseHexReadsWhatHexDigitsAndTheDisplayWrite) {
  const struct {
    const char* Text;
    std::optional<Extended> Expected;
  } Rows[] = {
      {"FF", 255},
      {" \tff\t ", 255},
      {"x1F", 31},
      {"X1f", 31},
      {"0x10", 16},
      {"12", 18},
      {"-0000000000000000000A", -10},
      {"000000000000000000FF", 255},
      {"FFFFFFFFFFFFFFF6", -10},  // HexDigits(-10)
      {"7FFFFFFFFFFFFFFF", 9223372036854775807.0L},
      {"8000000000000000", -9223372036854775808.0L},
      {"-8000000000000000", -9223372036854775808.0L},
      {"-8000000000000001", std::nullopt},
      {"-FFFFFFFFFFFFFFF6", std::nullopt},
      {"10000000000000000", std::nullopt},  // 17 significant digits
      {"-0", 0},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"x", std::nullopt},
      {"0x", std::nullopt},
      {"--1", std::nullopt},
      {"x-1", std::nullopt},
      {"1 2", std::nullopt},
      {"1.5", std::nullopt},
      {"G", std::nullopt},
      {"+1", std::nullopt},
  };
  for (const auto& R : Rows) {
    SCOPED_TRACE(R.Text);
    EXPECT_EQ(NumberText::ParseHex(R.Text), R.Expected);
  }
  for (const Extended V : {0.0L, 1.0L, -1.0L, 4096.0L, -9223372036854775807.0L}) {
    SCOPED_TRACE(static_cast<double>(V));
    EXPECT_EQ(NumberText::ParseHex(*NumberText::HexDigits(V)), V);
  }
}

TEST(NumberTextTest, SeparatorsInUseAfterTheFallbacks) {
  const struct {
    const TFormatSettings* Fs;
    const char* Decimal;
    const char* Thousand;
  } Rows[] = {
      {&Dflt, ".", ","},
      {&Euro, ",", "."},
      {&NbspParen, ".", "\xC2\xA0"},
      {&Arabic, "\xD9\xAB", "\xD9\xAC"},
      {&Garbage, ".", ""},
      {&SameSeps, ",", ""},
  };
  for (const auto& R : Rows) {
    SCOPED_TRACE(R.Fs->DecimalSeparator + " " + R.Fs->ThousandSeparator);
    EXPECT_EQ(NumberText::DecimalSeparator(*R.Fs), R.Decimal);
    EXPECT_EQ(NumberText::ThousandSeparator(*R.Fs), R.Thousand);
  }
}

TEST(NumberTextTest, ParseReadsTinyValuesAsDenormals) {
  struct TRow {
    const char* Text;
    const char* Shown;  // General with 3 digits
  };
  const TRow Rows[] = {
      {"1e-4940", "1E-4940"},
      {"3.64519953188247E-4951", "3.65E-4951"},
      {"-1e-4945", "-1E-4945"},
  };
  for (const TRow& R : Rows) {
    SCOPED_TRACE(R.Text);
    const auto Got = NumberText::Parse(R.Text, Dflt);
    ASSERT_TRUE(Got);
    EXPECT_LT(std::fabs(*Got), LDBL_MIN);
    EXPECT_EQ(NumberText::General(*Got, 3, Dflt), R.Shown);
  }
}

TEST(NumberTextTest, ParseHandlesMillionCharacterLines) {
  const std::string Thirds = "0." + std::string(1'000'000, '3');
  EXPECT_EQ(NumberText::Parse(Thirds, Dflt), 1.0L / 3);
  const std::string ShiftedOne = "1" + std::string(1'000'000, '0') + "e-1000000";
  EXPECT_EQ(NumberText::Parse(ShiftedOne, Dflt), 1.0L);
  const std::string LongExponent = "1e" + std::string(1'000'000, '0') + "5";
  EXPECT_EQ(NumberText::Parse(LongExponent, Dflt), 1E5L);
  const std::string HugeExponent = "1e" + std::string(1'000'000, '9');
  EXPECT_EQ(NumberText::Parse(HugeExponent, Dflt), std::nullopt);
  const std::string Junk = "1" + std::string(1'000'000, 'x');
  EXPECT_EQ(NumberText::Parse(Junk, Dflt), std::nullopt);
}

// Every digit counts, however far out: the text is read to the nearest value of the full
// 64-bit mantissa, not through a shorter type.
TEST(NumberTextTest, ParseRoundsByEveryDigit) {
  const Extended Up = std::nextafter(1.0L, 2.0L);
  const std::string Halfway = "1.0000000000000000000542101086242752217003726400434970855712890625";
  struct TRow {
    std::string Text;
    Extended Expected;
  };
  const TRow Rows[] = {
      {"0.1", 1 / 10.0L},
      {"1.21", 121 / 100.0L},
      {"-123456789.0123456789", -1234567890123456789 / 1e10L},
      {Halfway, 1.0L},  // a tie goes to the even mantissa
      {Halfway + std::string(30'000, '0') + "1", Up},
      {Halfway.substr(0, 30) + "9", Up},
      {Halfway.substr(0, 22), 1.0L},
  };
  for (const TRow& R : Rows) {
    SCOPED_TRACE(R.Text.substr(0, 40));
    EXPECT_EQ(NumberText::Parse(R.Text, Dflt), R.Expected);
  }
}

// Every decimal form reads back to the value it shows, whatever the locale's separators and
// currency pattern.
TEST(NumberTextTest, ParseFormattedReadsEveryForm) {
  struct TRow {
    std::string Text;
    const TFormatSettings* Fs;
    std::optional<Extended> Expected;
  };
  const TRow Rows[] = {
      {NumberText::Number(1234567.891L, 14, 2, Dflt), &Dflt, 1234567.89L},
      {NumberText::Number(-1234567.891L, 14, 2, Euro), &Euro, -1234567.89L},
      {NumberText::Currency(1234.5L, 14, Dflt), &Dflt, 1234.5L},
      {NumberText::Currency(-1234.5L, 14, Dflt), &Dflt, -1234.5L},
      {NumberText::Currency(-1234.5L, 14, Euro), &Euro, -1234.5L},
      {NumberText::Currency(1234567.5L, 14, NbspParen), &NbspParen, 1234567.5L},
      {NumberText::Currency(-1234567.5L, 14, NbspParen), &NbspParen, -1234567.5L},
      {NumberText::Currency(-1234.5L, 14, Arabic), &Arabic, -1234.5L},
      {NumberText::Currency(-1234.5L, 14, Yen), &Yen, -1235.0L},
      {NumberText::Currency(-1234.5L, 14, NoHash), &NoHash, -1234.5L},
      {NumberText::Currency(-0.001L, 14, Dflt), &Dflt, 0.0L},  // "$0.00"
      {NumberText::Scientific(1234.5L, 4, Euro), &Euro, 1234.5L},
      {NumberText::General(-1.5E-7L, 15, Euro), &Euro, -1.5E-7L},
      {NumberText::General(1E20L, 15, Dflt), &Dflt, 1E20L},
      {" 12,345.5 ", &Dflt, 12345.5L},
      {"$-5", &Dflt, -5.0L},  // the positive pattern around a signed amount
      {"-$0.00", &Dflt, 0.0L},
      {"1,000", &SameSeps, 1.0L},  // the comma is the decimal point, not a separator
      {"$", &Dflt, std::nullopt},
      {"-$", &Dflt, std::nullopt},
      {"$1.5$", &Dflt, std::nullopt},
      {"Too Large to Show as Hex", &Dflt, std::nullopt},
      {"", &Dflt, std::nullopt},
  };
  for (const TRow& R : Rows) {
    SCOPED_TRACE(R.Text);
    const std::optional<Extended> Got = NumberText::ParseFormatted(R.Text, *R.Fs);
    ASSERT_EQ(Got.has_value(), R.Expected.has_value());
    if (Got) {
      EXPECT_EQ(*Got, *R.Expected);
      EXPECT_FALSE(std::signbit(*Got) && *Got == 0) << "negative zero";
    }
  }
}

// Mantissa digits without trailing zeros, and the decimal exponent of the first digit.
struct TDigits {
  std::string Mantissa;
  int Exp = 0;
  bool operator==(const TDigits&) const = default;
};

// Reads the text of General or Scientific (with "." and "E") or of printf's "%Le".
TDigits DigitsOf(const std::string& Text) {
  TDigits D;
  int PointAt = -1, FirstAt = -1, Seen = 0;
  std::size_t I = Text[0] == '-' ? 1 : 0;
  for (; I < Text.size() && Text[I] != 'E' && Text[I] != 'e'; ++I) {
    if (Text[I] == '.') {
      PointAt = Seen;
      continue;
    }
    if (FirstAt < 0 && Text[I] != '0') FirstAt = Seen;
    if (FirstAt >= 0) D.Mantissa += Text[I];
    ++Seen;
  }
  if (PointAt < 0) PointAt = Seen;
  D.Exp = PointAt - FirstAt - 1 + (I < Text.size() ? std::stoi(Text.substr(I + 1)) : 0);
  while (D.Mantissa.size() > 1 && D.Mantissa.back() == '0') D.Mantissa.pop_back();
  return D;
}

// The p-digit rounding of |V| with ties away from zero, when the exact binary value is a
// tie at p digits (and printf, rounding ties to even, went the other way).
std::optional<TDigits> TieAway(Extended V, int P) {
  char Exact[400];
  std::snprintf(Exact, sizeof Exact, "%.300Le", std::fabs(V));
  const std::string Text = Exact;
  const std::size_t E = Text.find('e');
  std::string Digits = Text.substr(0, 1) + Text.substr(2, E - 2);
  if (Digits[static_cast<std::size_t>(P)] != '5' ||
      Digits.find_first_not_of('0', static_cast<std::size_t>(P) + 1) != std::string::npos) {
    return std::nullopt;
  }
  Digits.resize(static_cast<std::size_t>(P));
  int Exp = std::stoi(Text.substr(E + 1));
  int I = P - 1;
  for (; I >= 0 && Digits[static_cast<std::size_t>(I)] == '9'; --I) {
    Digits[static_cast<std::size_t>(I)] = '0';
  }
  if (I < 0) {
    Digits.insert(Digits.begin(), '1');
    ++Exp;
  } else {
    ++Digits[static_cast<std::size_t>(I)];
  }
  return DigitsOf(Digits.substr(0, 1) + "." + Digits.substr(1) + "e" + std::to_string(Exp));
}

// General and Scientific must show glibc's correctly rounded digits; exact ties alone may
// differ, and only by rounding away from zero.
TEST(NumberTextTest, RoundingAgreesWithPrintf) {
  std::mt19937_64 Rng(20240611);
  int Ties = 0;
  for (int N = 0; N < 6000; ++N) {
    Extended V = 0;
    if (N % 3 == 0) {  // anywhere, denormals included
      const auto Mantissa = static_cast<Extended>(Rng() | (1ULL << 63));
      V = std::ldexp(Mantissa, static_cast<int>(Rng() % 32824) - 16440 - 63);
    } else if (N % 3 == 1) {  // the everyday range
      const auto Mantissa = static_cast<Extended>(Rng() | (1ULL << 63));
      V = std::ldexp(Mantissa, static_cast<int>(Rng() % 401) - 200 - 63);
    } else {  // short binary fractions, where exact ties live
      V = std::ldexp(static_cast<Extended>(Rng() % 1'000'000 + 1), -static_cast<int>(Rng() % 12));
    }
    if (Rng() % 2 != 0) V = -V;
    const int P = 2 + static_cast<int>(Rng() % 17);
    const int D = static_cast<int>(Rng() % 19);
    SCOPED_TRACE(testing::Message()
                 << "P " << P << " D " << D << " value " << NumberText::Scientific(V, 18, Dflt));

    const std::string G = NumberText::General(V, P, Dflt);
    const TDigits Got = DigitsOf(G);
    EXPECT_LE(static_cast<int>(Got.Mantissa.size()), P);
    EXPECT_EQ(G.find('E') == std::string::npos, Got.Exp >= -4 && Got.Exp < P) << G;
    if (G.find('.') != std::string::npos && G.find('E') == std::string::npos) {
      EXPECT_NE(G.back(), '0') << G;
    }
    EXPECT_EQ(G[0] == '-', V < 0) << G;
    char Ref[80];
    std::snprintf(Ref, sizeof Ref, "%.*Le", P - 1, V);
    if (Got != DigitsOf(Ref)) {
      EXPECT_EQ(std::optional<TDigits>(Got), TieAway(V, P)) << G << " printf " << Ref;
      ++Ties;
    }

    const std::string S = NumberText::Scientific(V, D, Dflt);
    std::snprintf(Ref, sizeof Ref, "%.*Le", D, V);
    const TDigits SciGot = DigitsOf(S);
    if (SciGot != DigitsOf(Ref)) {
      EXPECT_EQ(std::optional<TDigits>(SciGot), TieAway(V, D + 1)) << S << " printf " << Ref;
      ++Ties;
    }
    const std::size_t E = S.find('E');
    ASSERT_NE(E, std::string::npos) << S;
    EXPECT_EQ(S.size() - E, 2 + std::to_string(std::abs(SciGot.Exp)).size()) << S;
    EXPECT_EQ(S[E + 1], SciGot.Exp < 0 ? '-' : '+') << S;
    EXPECT_EQ(E, static_cast<std::size_t>((V < 0) + 1 + (D > 0) + D)) << S;
  }
  EXPECT_GT(Ties, 0) << "no exact tie was exercised";
}

}  // namespace

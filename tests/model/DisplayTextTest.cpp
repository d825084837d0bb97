// The text forms of the display and the status bar texts.
#include <gtest/gtest.h>

#include <limits>

#include "DisplayText.h"
#include "StatusTexts.h"

namespace {

const TFormatSettings Dot;

TEST(DisplayText, Forms) {
  EXPECT_EQ(DisplayText::General(1.0L / 3, Dot), "0.333333333333333");
  EXPECT_EQ(DisplayText::General(1E20L, Dot), "1E20");
  EXPECT_EQ(DisplayText::Fixed(1.25L, 2, Dot), "1.25");
  EXPECT_EQ(DisplayText::Fixed(0.1L + 0.02L + 0.003L, 3, Dot), "0.123");
  EXPECT_EQ(DisplayText::Fixed(7, 0, Dot), "7");
  EXPECT_EQ(DisplayText::ExponentEntry(12.5L, Dot), "1.2500000000000E+0001");
}

TEST(DisplayText, Hex) {
  struct {
    Extended V;
    std::optional<std::string> Text;
  } const Cases[] = {
      {0, "00000000000000000000"},
      {255, "000000000000000000FF"},
      {-1, "-00000000000000000001"},
      {2.9L, "00000000000000000002"},
      {-9223372036854775807.0L, "-00007FFFFFFFFFFFFFFF"},
      {9223372036854775808.0L, std::nullopt},
      {-9223372036854775808.0L, std::nullopt},
      {std::numeric_limits<Extended>::quiet_NaN(), std::nullopt},
      {-std::numeric_limits<Extended>::infinity(), std::nullopt},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(static_cast<double>(Case.V));
    EXPECT_EQ(DisplayText::Hex(Case.V), Case.Text);
  }
}

TEST(DisplayText, ExponentAppliedToTheShownMantissa) {
  EXPECT_EQ(DisplayText::WithExponent(2, 3, Dot), 2000);
  EXPECT_EQ(DisplayText::WithExponent(2000, -3, Dot), NumberText::Parse("2E-3", Dot));
  EXPECT_EQ(DisplayText::WithExponent(-1.5L, 2, Dot), -150);
  EXPECT_EQ(DisplayText::WithExponent(2, 5000, Dot), std::nullopt);
  EXPECT_EQ(DisplayText::WithExponent(2, 1E17L, Dot), std::nullopt);
  TFormatSettings Comma;
  Comma.DecimalSeparator = ",";
  Comma.ThousandSeparator = ".";
  EXPECT_EQ(DisplayText::WithExponent(1.5L, 1, Comma), 15);
}

TEST(StatusTexts, Panels) {
  struct {
    TStatusInputs In;
    TStatusTexts Out;
  } const Cases[] = {
      {{0, false, false, 1, 4, false}, {"", "Arithmetic", "General"}},
      {{12.5L, false, true, 2, 4, false}, {"Mem:12.5", "As Entered", "Scient. (4)"}},
      {{12.5L, true, false, 4, 2, false},
       {"Mem: Hex 0000000000000000000C", "Arithmetic", "Fixed (2)"}},
      {{-10, true, false, 3, 2, false},
       {"Mem: Hex -0000000000000000000A", "Arithmetic", "Currency"}},
      {{1E30L, true, false, 4, 0, false}, {"Mem:1E30", "Arithmetic", "Fixed (0)"}},
      {{0, true, false, 4, 0, true}, {"", "Arithmetic", ""}},
      {{0, false, false, 0, 4, false}, {"", "Arithmetic", std::nullopt}},
      {{0, false, false, 5, 4, false}, {"", "Arithmetic", std::nullopt}},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Out.Memory + " " + std::to_string(Case.In.TapeFormatMode));
    const TStatusTexts Out = MakeStatusTexts(Case.In, Dot);
    EXPECT_EQ(Out.Memory, Case.Out.Memory);
    EXPECT_EQ(Out.Precedence, Case.Out.Precedence);
    EXPECT_EQ(Out.TapeFormat, Case.Out.TapeFormat);
  }
}

}  // namespace

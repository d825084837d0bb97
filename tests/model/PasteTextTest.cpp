// Pasted text read into numbers: clipboard texts in several locales, decimal and hexadecimal,
// each to the number it stands for or to a refusal, and whole clipboard texts split into
// columns.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "PasteText.h"

namespace {

using std::nullopt;

const TFormatSettings English{};
const TFormatSettings German{",", ".", "# \u20AC", "-# \u20AC", 2};
const TFormatSettings French{",", "\u202F", "# \u20AC", "-# \u20AC", 2};
const TFormatSettings Swiss{".", "\u2019", "CHF #", "CHF-#", 2};

struct TNumberRow {
  const TFormatSettings* Locale;
  const char* Name;  // the locale's name, for the failure message
  bool Hex;
  std::string Text;
  std::optional<Extended> Number;  // nothing: refused
};

const std::string Zeros63(63, '0');

std::string Repeat(const std::string& Text, int Times) {
  std::string Out;
  for (int I = 0; I < Times; ++I) Out += Text;
  return Out;
}

const TNumberRow NumberRows[] = {
    {&English, "English", false, "42", 42},
    {&English, "English", false, "  42\t\r\n", 42},
    {&English, "English", false, "\x01 42 \x7F", 42},  // control characters at the ends
    {&English, "English", false, "+7", 7},
    {&English, "English", false, "1,234.5", 1234.5L},
    {&English, "English", false, "$1,234.50", 1234.5L},
    {&English, "English", false, "-$1,234.50", -1234.5L},
    {&English, "English", false, "$-1,234.50", -1234.5L},
    {&English, "English", false, "$ 12", 12},
    {&English, "English", false, "1.5 $", 1.5L},
    {&English, "English", false, "1,234,567", 1234567},
    {&English, "English", false, "1234,567", 1234567},  // a separator is judged where it stands
    {&English, "English", false, "1,234E2", 123400},
    {&English, "English", false, "1,5", nullopt},  // not 15: the comma groups nothing
    {&English, "English", false, "12,34", nullopt},
    {&English, "English", false, "1,2345", nullopt},
    {&English, "English", false, ",123", nullopt},
    {&English, "English", false, "1,,234", nullopt},
    {&English, "English", false, "1.234,567", nullopt},  // no grouping among the decimals
    {&English, "English", false, "1.234,5", nullopt},
    {&English, "English", false, "1 234", nullopt},
    {&English, "English", false, "$$12", nullopt},
    {&English, "English", false, "12-", nullopt},
    {&English, "English", false, "- 12", nullopt},
    {&English, "English", false, "1E3", 1000},
    {&English, "English", false, "2.5E3", 2500},
    {&English, "English", false, "2.5e-3", 0.0025L},
    {&English, "English", false, "1E5000", nullopt},  // beyond the number range
    {&English, "English", false, "1.2345678901234567890123456789E+100",
     1.2345678901234567890123456789E+100L},
    {&English, "English", false, "12345678901234567890123456789012",
     1.2345678901234567890123456789012E31L},
    {&English, "English", false, "1" + Zeros63, 1E63L},             // 64 characters
    {&English, "English", false, "   1" + Zeros63 + "   ", 1E63L},  // blanks go first
    {&English, "English", false, "1" + Zeros63 + "0", nullopt},     // 65: refused, not cut
    // 66 characters as pasted, 49 once cleaned.
    {&English, "English", false, "$1" + Repeat(",000", 16), 1E48L},
    {&English, "English", false, "", nullopt},
    {&English, "English", false, "$", nullopt},
    {&English, "English", false, "-", nullopt},
    {&English, "English", false, "abc", nullopt},
    {&English, "English", false, "inf", nullopt},
    {&English, "English", false, "nan", nullopt},
    {&English, "English", false, "x1F", nullopt},
    {&English, "English", false, "12\n30", nullopt},  // a column is read line by line
    {&German, "German", false, "1.234,5", 1234.5L},
    {&German, "German", false, "1.234.567,89 \u20AC", 1234567.89L},
    {&German, "German", false, "-12,50 \u20AC", -12.5L},
    {&German, "German", false, "\u20AC 3", 3},
    {&German, "German", false, "1,5", 1.5L},
    {&German, "German", false, "1.5", nullopt},
    {&German, "German", false, "$1.000", 1000},  // a dollar sign in any locale
    {&French, "French", false, "1\u202F234,5", 1234.5L},
    {&French, "French", false, "1\u00A0234 \u20AC", 1234},
    {&French, "French", false, "1 234 567,25", 1234567.25L},  // typed with plain spaces
    {&French, "French", false, "12 34", nullopt},
    {&Swiss, "Swiss", false, "CHF 1\u2019234.50", 1234.5L},
    {&Swiss, "Swiss", false, "CHF-5.00", -5},
    {&Swiss, "Swiss", false, "1'234", nullopt},  // not the locale's separator
    {&English, "English", true, "FF", 255},
    {&English, "English", true, "ff", 255},
    {&English, "English", true, " 1F \r\n", 31},
    {&English, "English", true, "xFF", 255},
    {&English, "English", true, "0x1f", 31},
    {&English, "English", true, "12", 18},
    {&English, "English", true, "000000000000000000FF", 255},   // the display's form
    {&English, "English", true, "-0000000000000000000A", -10},  // the display's form
    {&English, "English", true, "xFFFFFFFFFFFFFFF6", -10},      // the tape's form
    {&English, "English", true, "7FFFFFFFFFFFFFFF", 9223372036854775807.0L},
    {&English, "English", true, "-7FFFFFFFFFFFFFFF", -9223372036854775807.0L},
    {&English, "English", true, "8000000000000000", nullopt},  // -2^63: no display shows it
    {&English, "English", true, "-8000000000000000", nullopt},
    {&English, "English", true, "-FFFFFFFFFFFFFFF6", nullopt},  // beyond the range
    {&English, "English", true, "10000000000000000", nullopt},
    {&English, "English", true, "-0", 0},
    {&English, "English", true, "12.5", nullopt},
    {&English, "English", true, "1,000", nullopt},
    {&English, "English", true, "$1F", nullopt},
    {&English, "English", true, "G1", nullopt},
    {&English, "English", true, "-", nullopt},
    {&English, "English", true, "x", nullopt},
    {&English, "English", true, "", nullopt},
    {&English, "English", true, "0000000000000000000000000000000000000000000000000000000000000001",
     1},
    {&English, "English", true, "00000000000000000000000000000000000000000000000000000000000000001",
     nullopt},
};

TEST(PasteText, TextsToNumbers) {
  for (const TNumberRow& Row : NumberRows) {
    SCOPED_TRACE(std::string(Row.Name) + (Row.Hex ? " hex: \"" : ": \"") + Row.Text + "\"");
    EXPECT_EQ(PasteText::ReadNumber(Row.Text, *Row.Locale, Row.Hex), Row.Number);
  }
}

TEST(PasteText, CleanedTexts) {
  const struct {
    std::string Text;
    std::optional<std::string> Clean;
  } Rows[] = {
      {"$1,234.50", "1234.50"},
      {" -$1,234,567 ", "-1234567"},
      {"2.5E3", "2.5E3"},
      {"1,5", "1,5"},
      {"abc", "abc"},
      {std::string(64, '9'), std::string(64, '9')},
      {"$" + std::string(64, '9'), std::string(64, '9')},
      {std::string(65, '9'), nullopt},
      {"1" + Repeat(",000", 21), "1" + std::string(63, '0')},  // 64 digits once cleaned
      {"1" + Repeat(",000", 22), nullopt},                     // 67
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Text);
    EXPECT_EQ(PasteText::CleanNumberText(Row.Text, English), Row.Clean);
  }
}

TEST(PasteText, WholeTextsAndColumns) {
  using K = PasteText::TPasteKind;
  const struct {
    std::string Text;
    K Kind;
    std::vector<Extended> Numbers;
    std::vector<std::int32_t> BadLines;
  } Rows[] = {
      {"", K::Blank, {}, {}},
      {" \r\n\t\n", K::Blank, {}, {}},
      {"42", K::Number, {42}, {}},
      {"\n42\n", K::Number, {42}, {}},  // a spreadsheet's cell ends with a line break
      {"abc", K::NotANumber, {}, {1}},
      {"12\n30\r\n7.5\r", K::Column, {12, 30, 7.5L}, {}},
      {"$1,200.00\r\n\r\n  $35.50  \r\n", K::Column, {1200, 35.5L}, {}},  // blank lines pass
      {"Amount\n12\nabc\n30\n1,5", K::Column, {12, 30}, {1, 3, 5}},
      {"12\t30\n4", K::Column, {4}, {1}},  // a row of cells is not one number
      {std::string(PasteText::MaxTextBytes + 1, '1'), K::NotANumber, {}, {}},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Text.substr(0, 40));
    const PasteText::TPasted Pasted = PasteText::Read(Row.Text, English, false);
    EXPECT_EQ(Pasted.Kind, Row.Kind);
    EXPECT_EQ(Pasted.Numbers, Row.Numbers);
    EXPECT_EQ(Pasted.BadLines, Row.BadLines);
  }
  const PasteText::TPasted Hex = PasteText::Read("FF\nx10\n-1", English, true);
  EXPECT_EQ(Hex.Numbers, (std::vector<Extended>{255, 16, -1}));
}

}  // namespace

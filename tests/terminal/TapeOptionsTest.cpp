// veltrona-tape's command line: options, their values and the words among them.
#include <gtest/gtest.h>

#include "TapeCodes.h"
#include "TapeOptions.h"

namespace {

TEST(TapeOptions, OptionsAndWords) {
  const TParsedOptions Parsed = ParseTapeOptions(
      {"--csv",        "2",     "--width", "30",         "+",       "--format=fixed",
       "--decimals",   "3",     "-tax",    "--tax-rate", "7,5",     "--tax-name=VAT",
       "--as-entered", "--rad", "--hex",   "--save",     "out.dat", "--",
       "--x",          "-h"});
  ASSERT_EQ(Parsed.Error, "");
  const TTapeOptions& O = Parsed.Options;
  EXPECT_TRUE(O.Csv);
  EXPECT_EQ(O.Width, 30);
  EXPECT_EQ(O.NumOpt, TapeFormat::Fixed);
  EXPECT_EQ(O.Digits, 3);
  EXPECT_EQ(O.TaxRate, 0.075);
  EXPECT_EQ(O.TaxLit, "VAT");
  EXPECT_EQ(O.Dumb, true);
  EXPECT_EQ(O.TrigUnits, TrigUnit::Radians);
  EXPECT_TRUE(O.Hex);
  EXPECT_EQ(O.SaveFile, "out.dat");
  EXPECT_EQ(O.Words, (std::vector<std::string>{"2", "+", "-tax", "--x", "-h"}));

  TCalcSettings Settings;
  Settings.Dumb = false;
  O.ApplyTo(Settings);
  EXPECT_EQ(Settings.NumOpt, TapeFormat::Fixed);
  EXPECT_EQ(Settings.Digits, 3);
  EXPECT_EQ(Settings.TaxRate, 0.075);
  EXPECT_EQ(Settings.TaxLit, "VAT");
  EXPECT_TRUE(Settings.Dumb);
}

TEST(TapeOptions, SettingsNotGivenStayAsRead) {
  TCalcSettings Settings;
  Settings.NumOpt = TapeFormat::Currency;
  Settings.Dumb = true;
  Settings.TaxRate = 0.2;
  const TCalcSettings Read = Settings;
  ParseTapeOptions({"1", "+", "2"}).Options.ApplyTo(Settings);
  EXPECT_EQ(Settings, Read);
  ParseTapeOptions({"--arithmetic"}).Options.ApplyTo(Settings);
  EXPECT_FALSE(Settings.Dumb);
}

TEST(TapeOptions, BadOptions) {
  struct TCase {
    std::vector<std::string> Arguments;
    const char* Error;
  };
  const TCase Cases[] = {
      {{"--frobnicate"}, "unknown option '--frobnicate'"},
      {{"--csv=yes"}, "unknown option '--csv=yes'"},
      {{"--width"}, "option --width wants a value"},
      {{"--width", "0"}, "option --width wants a width from 1 to 1000, not '0'"},
      {{"--width=12x"}, "option --width wants a width from 1 to 1000, not '12x'"},
      {{"--format", "roman"},
       "option --format wants general, scientific, currency or fixed, not 'roman'"},
      {{"--decimals", "19"}, "option --decimals wants a number of decimals from 0 to 18, not '19'"},
      {{"--tax-rate", "1000"},
       "option --tax-rate wants a rate in per cent from 0 to 999, not '1000'"},
      {{"--tax-rate", "-1"}, "option --tax-rate wants a rate in per cent from 0 to 999, not '-1'"},
      {{"--tax-name", "SALES"},
       "option --tax-name wants a name of one to three characters without blanks, not 'SALES'"},
      {{"--tax-name", "A B"},
       "option --tax-name wants a name of one to three characters without blanks, not 'A B'"},
      {{"--history", "6"}, "option --history wants a place from 1 to 5, not '6'"},
      {{"--load", "a.dat", "--history", "1"}, "--load and --history both name a calculation"},
  };
  for (const TCase& Case : Cases) {
    SCOPED_TRACE(Case.Arguments.front());
    EXPECT_EQ(ParseTapeOptions(Case.Arguments).Error, Case.Error);
  }
}

}  // namespace

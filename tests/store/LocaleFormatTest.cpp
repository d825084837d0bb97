// The user's regional number settings as the engine takes them.
#include <gtest/gtest.h>

#include <QLocale>

#include "LocaleFormat.h"

namespace {

TEST(LocaleFormat, RegionalSettings) {
  struct {
    QLocale Locale;
    TFormatSettings Fs;
  } const Cases[] = {
      {QLocale(QLocale::English, QLocale::UnitedStates), {".", ",", "$#", "($#)", 2}},
      {QLocale(QLocale::German, QLocale::Germany), {",", ".", "#\u00a0€", "-#\u00a0€", 2}},
      {QLocale(QLocale::French, QLocale::France), {",", "\u202f", "#\u00a0€", "(#\u00a0€)", 2}},
      {QLocale(QLocale::Japanese, QLocale::Japan), {".", ",", "￥#", "(￥#)", 0}},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Locale.name().toStdString());
    const TFormatSettings Fs = FormatSettingsFromLocale(Case.Locale);
    EXPECT_EQ(Fs.DecimalSeparator, Case.Fs.DecimalSeparator);
    EXPECT_EQ(Fs.ThousandSeparator, Case.Fs.ThousandSeparator);
    EXPECT_EQ(Fs.CurrencyPositive, Case.Fs.CurrencyPositive);
    EXPECT_EQ(Fs.CurrencyNegative, Case.Fs.CurrencyNegative);
    EXPECT_EQ(Fs.CurrencyDecimals, Case.Fs.CurrencyDecimals);
  }
}

}  // namespace

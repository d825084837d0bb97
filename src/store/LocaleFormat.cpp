#include "LocaleFormat.h"

namespace {

// The currency decimals are those of the locale's own currency text of 1.
int CurrencyDecimals(const QLocale& Locale, const QString& Sample) {
  const qsizetype Point = Sample.indexOf(Locale.decimalPoint());
  if (Point < 0) return 0;
  int Count = 0;
  for (qsizetype I = Point + Locale.decimalPoint().size(); I < Sample.size() && Sample[I].isDigit();
       ++I)
    ++Count;
  return Count;
}

// The currency text of V with its amount replaced by '#'; nothing when the amount cannot be
// found in it, so that an odd locale keeps the defaults instead of a broken pattern.
std::optional<std::string> CurrencyPattern(const QLocale& Locale, double V, int Decimals) {
  QString Text = Locale.toCurrencyString(V);
  const QString Amount = Locale.toString(V < 0 ? -V : V, 'f', Decimals);
  const qsizetype At = Text.indexOf(Amount);
  if (At < 0 || Text.indexOf(Amount, At + 1) >= 0) return std::nullopt;
  Text.replace(At, Amount.size(), QStringLiteral("#"));
  return Text.toStdString();
}

}  // namespace

TFormatSettings FormatSettingsFromLocale(const QLocale& Locale) {
  TFormatSettings Fs;
  if (const QString Point = Locale.decimalPoint(); !Point.isEmpty())
    Fs.DecimalSeparator = Point.toStdString();
  if (const QString Group = Locale.groupSeparator(); Group != Locale.decimalPoint())
    Fs.ThousandSeparator = Group.toStdString();
  const int Decimals = CurrencyDecimals(Locale, Locale.toCurrencyString(1.0));
  const std::optional<std::string> Positive = CurrencyPattern(Locale, 1.0, Decimals);
  const std::optional<std::string> Negative = CurrencyPattern(Locale, -1.0, Decimals);
  if (Positive && Negative) {
    Fs.CurrencyPositive = *Positive;
    Fs.CurrencyNegative = *Negative;
    Fs.CurrencyDecimals = Decimals;
  }
  return Fs;
}

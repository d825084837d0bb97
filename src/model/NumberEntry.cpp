#include "NumberEntry.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>

#include "DisplayText.h"
#include "Utf8Text.h"

namespace {

// Text without its last character (a whole UTF-8 sequence).
std::string_view WithoutLastCharacter(std::string_view Text) {
  if (Text.empty()) return Text;
  std::size_t End = Text.size() - 1;
  while (End > 0 && (static_cast<unsigned char>(Text[End]) & 0xC0) == 0x80) --End;
  return Text.substr(0, End);
}

}  // namespace

void TNumberEntry::StartIfNew() {
  if (!fStartNew) return;
  fEntry = 0;
  fDecimalCount = 0;
  fStartNew = false;
}

void TNumberEntry::AppendDigit(int D, int Radix) {
  StartIfNew();
  fFromMem = false;
  fEntering = true;
  if (fDecimalCount >= 1) {
    if (fDecimalCount > 9) return;  // nine decimals at most
    fEntry += static_cast<Extended>(D) / std::pow(10.0L, fDecimalCount);
    fShownDecimals = fDecimalCount;
    ++fDecimalCount;
    return;
  }
  if (fEntry > 999999999) return;  // ten digits before the point at most
  fShownDecimals = 0;
  fEntry = fEntry * Radix + D;
}

bool TNumberEntry::AppendExponentDigit(int D, int Radix, const TFormatSettings& Fs) {
  StartIfNew();
  fFromMem = false;
  fExpValue = fExpValue * Radix + D;
  if (std::optional<Extended> R = DisplayText::WithExponent(fEntry, fExpSign * fExpValue, Fs)) {
    fEntry = *R;
    fEntering = true;
    return true;
  }
  ResetEntryState();
  fEntering = true;
  return false;
}

bool TNumberEntry::AddPoint() {
  if (fStartNew) {
    fDecimalCount = 0;
    fEntry = 0;
    fStartNew = false;
  }
  if (fDecimalCount >= 1) return false;
  fDecimalCount = 1;
  fEntering = true;
  fFromMem = false;
  return true;
}

void TNumberEntry::BeginExponent() {
  // A whole number (recalled, picked) stays as the mantissa instead of giving way to the
  // exponent's first digit.
  fStartNew = false;
  fExpEntry = true;
  fExpSign = 1;
  fExpValue = 0;
}

bool TNumberEntry::ToggleExponentSign(const TFormatSettings& Fs) {
  fExpSign = -fExpSign;
  std::optional<Extended> R = DisplayText::WithExponent(fEntry, fExpSign * fExpValue, Fs);
  if (!R) return false;
  fEntry = *R;
  return true;
}

void TNumberEntry::Negate() {
  fEntry = -fEntry;
  fStartNew = true;
}

bool TNumberEntry::BackSpace(std::string_view ShownText, bool HexMode, const TFormatSettings& Fs) {
  if (fStartNew || !fEntering) return false;
  if (HexMode) {
    fEntry = std::trunc(std::trunc(fEntry) / 16);
    return true;
  }
  const std::string Shown = Utf8Text::Trimmed(ShownText);
  std::string T(WithoutLastCharacter(Shown));
  fEntry = 0;
  if (!T.empty()) {
    // An exponent left without digits reads as E+0.
    if (fExpEntry && (T.ends_with('+') || T.ends_with('-') || T.ends_with('E'))) T += '0';
    fEntry = NumberText::Parse(T, Fs).value_or(0);
  }
  if (fDecimalCount > 0) {
    --fDecimalCount;
    if (fShownDecimals > 0) --fShownDecimals;
  }
  return true;
}

void TNumberEntry::ArriveWhole(Extended Value) {
  fEntry = Value;
  fEntering = true;
  fStartNew = true;
  fFromMem = false;
}

void TNumberEntry::Pick(Extended Value) {
  ArriveWhole(Value);
  fExpEntry = false;
  fDecimalCount = 0;
}

void TNumberEntry::ClearToZero() {
  fEntry = 0;
  fEntering = true;
  fFromMem = false;
  fStartNew = true;
  fExpEntry = false;
}

void TNumberEntry::EndNumber() {
  fStartNew = true;
  fExpEntry = false;
}

void TNumberEntry::HandedOver() {
  fEntry = 0;
  fEntering = false;
  fFromMem = false;
  fExpEntry = false;
  fDecimalCount = 0;
}

void TNumberEntry::ResetEntryState() {
  fEntry = 0;
  fExpValue = 0;
  fDecimalCount = 0;
  fEntering = false;
  fFromMem = false;
  fExpEntry = false;
  fExpSign = 1;
}

// A value as its sign, its 64-bit mantissa and its binary exponent, all whole numbers, so
// that it reads back to the same bits with any standard library.
std::string ExactText(Extended Value) {
  int Exponent = 0;
  const Extended Fraction = std::frexp(std::fabs(Value), &Exponent);
  const auto Mantissa = static_cast<std::uint64_t>(std::ldexp(Fraction, 64));
  return (std::signbit(Value) ? "-" : "") + std::to_string(Mantissa) + "p" +
         std::to_string(Exponent);
}

std::optional<Extended> ReadExact(const std::string& Text) {
  const bool Negative = Text.starts_with('-');
  const std::size_t Mark = Text.find('p');
  if (Mark == std::string::npos) return std::nullopt;
  std::uint64_t Mantissa = 0;
  int Exponent = 0;
  const char* Begin = Text.data() + (Negative ? 1 : 0);
  const char* Split = Text.data() + Mark;
  const char* End = Text.data() + Text.size();
  const auto M = std::from_chars(Begin, Split, Mantissa);
  const auto E = std::from_chars(Split + 1, End, Exponent);
  if (M.ec != std::errc{} || M.ptr != Split || E.ec != std::errc{} || E.ptr != End ||
      Exponent < -20000 || Exponent > 20000)
    return std::nullopt;
  const Extended Value = std::ldexp(static_cast<Extended>(Mantissa), Exponent - 64);
  if (!std::isfinite(Value)) return std::nullopt;
  return Negative ? -Value : Value;
}

std::string TNumberEntry::Saved() const {
  std::ostringstream Out;
  Out << ExactText(fEntry) << ' ' << fEntering << ' ' << fStartNew << ' ' << fDecimalCount << ' '
      << fShownDecimals << ' ' << fExpEntry << ' ' << ExactText(fExpValue) << ' ' << fExpSign << ' '
      << fFromMem;
  return Out.str();
}

bool TNumberEntry::Restore(std::string_view Line) {
  std::istringstream In{std::string(Line)};
  std::string Entry, ExpValue;
  int Entering = 0, StartNew = 0, ExpEntry = 0, FromMem = 0;
  std::int32_t DecimalCount = 0, ShownDecimals = 0, ExpSign = 0;
  In >> Entry >> Entering >> StartNew >> DecimalCount >> ShownDecimals >> ExpEntry >> ExpValue >>
      ExpSign >> FromMem;
  const auto IsFlag = [](int Flag) { return Flag == 0 || Flag == 1; };
  const std::optional<Extended> EntryValue = ReadExact(Entry);
  const std::optional<Extended> ExpNumber = ReadExact(ExpValue);
  // Nine decimals at most are typed, so the count stops at ten.
  if (In.fail() || !(In >> std::ws).eof() || !EntryValue || !ExpNumber || !IsFlag(Entering) ||
      !IsFlag(StartNew) || !IsFlag(ExpEntry) || !IsFlag(FromMem) || DecimalCount < 0 ||
      DecimalCount > 10 || ShownDecimals < 0 || ShownDecimals > 18 ||
      (ExpSign != 1 && ExpSign != -1))
    return false;
  fEntry = *EntryValue;
  fEntering = Entering != 0;
  fStartNew = StartNew != 0;
  fDecimalCount = DecimalCount;
  fShownDecimals = ShownDecimals;
  fExpEntry = ExpEntry != 0;
  fExpValue = *ExpNumber;
  fExpSign = ExpSign;
  fFromMem = FromMem != 0;
  return true;
}

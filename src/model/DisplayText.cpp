#include "DisplayText.h"

namespace DisplayText {

std::string General(Extended V, const TFormatSettings& Fs) {
  return NumberText::General(V, GeneralDigits, Fs);
}

std::string Fixed(Extended V, int Decimals, const TFormatSettings& Fs) {
  return NumberText::Fixed(V, FixedDigits, Decimals, Fs);
}

std::string ExponentEntry(Extended V, const TFormatSettings& Fs) {
  return NumberText::ExponentEntry(V, Fs);
}

std::optional<std::string> Hex(Extended V) {
  constexpr std::size_t Width = 20;
  // Truncation is symmetric, so a negative value shows the digits of its magnitude.
  const bool Negative = V < 0;
  std::optional<std::string> Digits = NumberText::HexDigits(Negative ? -V : V);
  if (!Digits) return std::nullopt;
  std::string Text = Negative ? "-" : "";
  Text.append(Width - Digits->size(), '0');
  Text += *Digits;
  return Text;
}

std::optional<Extended> WithExponent(Extended V, Extended Exponent, const TFormatSettings& Fs) {
  std::string Text = ExponentEntry(V, Fs);
  const std::size_t E = Text.find('E');
  if (E == std::string::npos) return std::nullopt;
  Text.resize(E);
  Text += 'E';
  Text += General(Exponent, Fs);
  return NumberText::Parse(Text, Fs);
}

}  // namespace DisplayText

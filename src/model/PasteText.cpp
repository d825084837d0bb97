#include "PasteText.h"

#include <algorithm>
#include <array>

#include "DisplayText.h"
#include "Utf8Text.h"

namespace {

bool IsDigit(char C) {
  return C >= '0' && C <= '9';
}

// The currency symbols a pasted amount may carry: "$" and the locale's own, taken from its
// currency patterns. A symbol that could be read as part of a number is left in place, so the
// text fails to read instead of reading wrongly.
std::vector<std::string> CurrencySymbols(const TFormatSettings& Fs) {
  std::vector<std::string> Symbols{"$"};
  const std::string_view Dec = NumberText::DecimalSeparator(Fs);
  for (const std::string& Pattern : {Fs.CurrencyPositive, Fs.CurrencyNegative}) {
    std::string Symbol;
    for (char C : Pattern)
      if (C != '#' && C != '-' && C != '(' && C != ')') Symbol += C;
    Symbol = Utf8Text::Trimmed(Symbol);
    const bool Usable = !Symbol.empty() && Symbol.find(Dec) == std::string::npos &&
                        std::none_of(Symbol.begin(), Symbol.end(),
                                     [](char C) { return IsDigit(C) || C == '+' || C == '-'; });
    if (Usable && std::find(Symbols.begin(), Symbols.end(), Symbol) == Symbols.end())
      Symbols.push_back(Symbol);
  }
  // "US$" before "$", so that a longer symbol is not left half in place.
  std::sort(Symbols.begin(), Symbols.end(),
            [](const std::string& A, const std::string& B) { return A.size() > B.size(); });
  return Symbols;
}

// The texts that count as the thousands separator. Where the locale groups with a space (often
// a no-break one), any of the three spaces a document may have put there does.
std::vector<std::string_view> GroupSeparators(const TFormatSettings& Fs) {
  static constexpr std::array<std::string_view, 3> Spaces = {" ", "\u00A0", "\u202F"};
  const std::string_view Group = NumberText::ThousandSeparator(Fs);
  if (Group.empty()) return {};
  if (std::find(Spaces.begin(), Spaces.end(), Group) != Spaces.end())
    return {Spaces.begin(), Spaces.end()};
  return {Group};
}

// The length of the thousands separator that stands at At in Text; 0 when none does.
std::size_t GroupAt(std::string_view Text, std::size_t At,
                    const std::vector<std::string_view>& Seps) {
  for (std::string_view G : Seps)
    if (Text.substr(At).starts_with(G)) return G.size();
  return 0;
}

bool IsExponentMark(char C) {
  return C == 'E' || C == 'e';
}

// A separator of Length bytes at At groups digits: a digit before it, exactly three after it,
// and then the end of the whole part.
bool IsGrouping(std::string_view Amount, std::size_t At, std::size_t Length, std::string_view Dec,
                const std::vector<std::string_view>& Seps) {
  if (At == 0 || !IsDigit(Amount[At - 1])) return false;
  const std::size_t First = At + Length;
  if (Amount.size() < First + 3) return false;
  for (std::size_t I = First; I < First + 3; ++I)
    if (!IsDigit(Amount[I])) return false;
  const std::size_t After = First + 3;
  return After == Amount.size() || IsExponentMark(Amount[After]) ||
         Amount.substr(After).starts_with(Dec) || GroupAt(Amount, After, Seps) > 0;
}

// Hexadecimal as the display and the tape write it, within what the display can show (-2^63,
// which the tape writes as x8000000000000000, has no positive counterpart and so no display).
std::optional<Extended> ReadHex(std::string_view Text) {
  const std::string Trimmed = Utf8Text::Trimmed(Text);
  if (Utf8Text::CharCount(Trimmed) > PasteText::MaxNumberLength) return std::nullopt;
  const std::optional<Extended> Value = NumberText::ParseHex(Trimmed);
  if (!Value || !DisplayText::Hex(*Value)) return std::nullopt;
  return Value;
}

}  // namespace

namespace PasteText {

std::optional<std::string> CleanNumberText(std::string_view Text, const TFormatSettings& Fs) {
  const std::string Trimmed = Utf8Text::Trimmed(Text);
  std::string_view Rest = Trimmed;
  std::string Out;
  if (Rest.starts_with('-') || Rest.starts_with('+')) {
    Out += Rest.front();
    Rest.remove_prefix(1);
  }
  std::string Amount(Rest);
  for (const std::string& Symbol : CurrencySymbols(Fs)) {
    if (Rest.starts_with(Symbol)) {
      Amount = Utf8Text::Trimmed(Rest.substr(Symbol.size()));
      break;
    }
    if (Rest.ends_with(Symbol)) {
      Amount = Utf8Text::Trimmed(Rest.substr(0, Rest.size() - Symbol.size()));
      break;
    }
  }

  const std::string_view Dec = NumberText::DecimalSeparator(Fs);
  const std::vector<std::string_view> Seps = GroupSeparators(Fs);
  const std::string_view A = Amount;
  std::size_t I = 0;
  // Separators are dropped in the whole part only: the decimals and the exponent are never
  // grouped.
  while (I < A.size() && !A.substr(I).starts_with(Dec) && !IsExponentMark(A[I])) {
    if (const std::size_t Length = GroupAt(A, I, Seps);
        Length > 0 && IsGrouping(A, I, Length, Dec, Seps)) {
      I += Length;
      continue;
    }
    Out += A[I++];
  }
  Out += A.substr(I);
  if (Utf8Text::CharCount(Out) > MaxNumberLength) return std::nullopt;
  return Out;
}

std::optional<Extended> ReadNumber(std::string_view Text, const TFormatSettings& Fs, bool Hex) {
  if (Hex) return ReadHex(Text);
  const std::optional<std::string> Clean = CleanNumberText(Text, Fs);
  if (!Clean) return std::nullopt;
  return NumberText::Parse(*Clean, Fs);
}

TPasted Read(std::string_view Text, const TFormatSettings& Fs, bool Hex) {
  TPasted Pasted;
  if (Text.size() > MaxTextBytes) {
    Pasted.Kind = TPasteKind::NotANumber;
    return Pasted;
  }
  std::int32_t Line = 0;
  std::int32_t Filled = 0;  // lines holding more than blanks
  std::size_t Pos = 0;
  for (;;) {
    const std::size_t End = std::min(Text.find_first_of("\r\n", Pos), Text.size());
    ++Line;
    const std::string_view LineText = Text.substr(Pos, End - Pos);
    if (!Utf8Text::Trimmed(LineText).empty()) {
      ++Filled;
      if (const std::optional<Extended> Value = ReadNumber(LineText, Fs, Hex))
        Pasted.Numbers.push_back(*Value);
      else
        Pasted.BadLines.push_back(Line);
    }
    if (End == Text.size()) break;
    Pos = End + (Text.substr(End).starts_with("\r\n") ? 2 : 1);
  }
  if (Filled == 0)
    Pasted.Kind = TPasteKind::Blank;
  else if (Filled > 1)
    Pasted.Kind = TPasteKind::Column;
  else
    Pasted.Kind = Pasted.Numbers.empty() ? TPasteKind::NotANumber : TPasteKind::Number;
  return Pasted;
}

}  // namespace PasteText

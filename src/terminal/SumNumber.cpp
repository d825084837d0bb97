#include "SumNumber.h"

#include <algorithm>
#include <string>

#include "Utf8Text.h"

namespace {

bool IsDigit(char C) {
  return C >= '0' && C <= '9';
}

std::string WithoutQuotes(std::string Text) {
  if (Text.size() >= 2 && Text.front() == '"' && Text.back() == '"')
    Text = Utf8Text::Trimmed(std::string_view(Text).substr(1, Text.size() - 2));
  return Text;
}

// "." or "," where the text has only one kind: the locale's decimal point is one; the other is
// a thousands separator only where it groups three digits.
bool IsDecimalPoint(std::string_view Digits, std::size_t At, const TFormatSettings& Format) {
  const char Mark = Digits[At];
  if (std::count(Digits.begin(), Digits.end(), Mark) > 1) return false;
  if (Format.DecimalSeparator == std::string(1, Mark)) return true;
  const std::size_t Following = Digits.size() - At - 1;
  const bool GroupsThree =
      Following == 3 && std::all_of(Digits.begin() + At + 1, Digits.end(), IsDigit);
  return !(GroupsThree && Format.ThousandSeparator == std::string(1, Mark));
}

}  // namespace

std::optional<Extended> ReadSumNumber(std::string_view Line, const TFormatSettings& Format) {
  // The typographic minus sign is a minus too.
  std::string Text;
  const std::string_view Minus = "\u2212";
  for (std::size_t I = 0; I < Line.size();) {
    if (Line.substr(I).starts_with(Minus)) {
      Text += '-';
      I += Minus.size();
    } else {
      Text += Line[I++];
    }
  }
  Text = WithoutQuotes(Utf8Text::Trimmed(Text));
  bool Negative = false;
  if (Text.size() >= 2 && Text.front() == '(' && Text.back() == ')') {
    Negative = true;
    Text = Utf8Text::Trimmed(std::string_view(Text).substr(1, Text.size() - 2));
  }
  // Keep digits, the two marks and an exponent; a currency, blanks and other group marks go.
  std::string Digits, Exponent;
  bool Signed = false;
  for (std::size_t I = 0; I < Text.size(); ++I) {
    const char C = Text[I];
    if (IsDigit(C) || C == '.' || C == ',') {
      Digits += C;
    } else if ((C == 'e' || C == 'E') && !Digits.empty() && IsDigit(Digits.back()) &&
               I + 1 < Text.size() &&
               (IsDigit(Text[I + 1]) || ((Text[I + 1] == '+' || Text[I + 1] == '-') &&
                                         I + 2 < Text.size() && IsDigit(Text[I + 2])))) {
      Exponent.assign(Text, I, std::string::npos);
      break;
    } else if (C == '-' || C == '+') {
      // One sign, before the digits or after them.
      if (Signed) return std::nullopt;
      Signed = true;
      Negative = Negative != (C == '-');
    } else if (static_cast<unsigned char>(C) < 0x80 && C != ' ' && C != '\'' && C != '$' &&
               !(C >= 'A' && C <= 'Z') && !(C >= 'a' && C <= 'z')) {
      return std::nullopt;  // text such as "12/05" or "7*3" is no amount
    }
  }
  if (Digits.empty() || !std::any_of(Digits.begin(), Digits.end(), IsDigit)) return std::nullopt;

  // With both marks the last one is the decimal point; others only group thousands.
  const std::size_t LastMark = Digits.find_last_of(".,");
  std::string Plain;
  for (std::size_t I = 0; I < Digits.size(); ++I) {
    const char C = Digits[I];
    if (IsDigit(C)) {
      Plain += C;
    } else if (I == LastMark) {
      const bool BothMarks = Digits.find(C == '.' ? ',' : '.') != std::string::npos;
      if (BothMarks || IsDecimalPoint(Digits, I, Format)) Plain += '.';
    }
  }
  Plain += Exponent;
  const std::optional<Extended> Value = NumberText::Parse(Plain, TFormatSettings{});
  if (!Value) return std::nullopt;
  return Negative ? -*Value : *Value;
}

#include "TapeCsv.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "CalcModel.h"
#include "TapeCodes.h"

namespace {

bool IsDigit(char C) {
  return C >= '0' && C <= '9';
}

bool IsLetter(char C) {
  return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z');
}

// The currency pattern's text before and after its '#'.
struct TAffixes {
  std::string_view Before, After;
};
TAffixes Affixes(std::string_view Pattern) {
  const std::size_t Hash = Pattern.find('#');
  if (Hash == std::string_view::npos) return {};
  return {Pattern.substr(0, Hash), Pattern.substr(Hash + 1)};
}

bool IsHexDigit(char C) {
  return IsDigit(C) || (C >= 'A' && C <= 'F');
}

// The last hexadecimal number of a line, as the tape writes it in hexadecimal ("x1F", a
// negative one as its 16-digit two's complement), in decimal digits; nothing when there is none.
std::optional<std::string> HexValue(std::string_view Text) {
  std::optional<std::string> Value;
  for (std::size_t At = Text.find('x'); At != std::string_view::npos; At = Text.find('x', At + 1)) {
    std::size_t End = At + 1;
    while (End < Text.size() && IsHexDigit(Text[End])) ++End;
    const bool Starts = At == 0 || !(IsLetter(Text[At - 1]) || IsDigit(Text[At - 1]));
    const bool Ends = End == Text.size() || !(IsLetter(Text[End]) || IsDigit(Text[End]));
    if (End == At + 1 || End - At - 1 > 16 || !Starts || !Ends) continue;
    std::uint64_t Bits = 0;
    for (std::size_t I = At + 1; I < End; ++I)
      Bits = Bits * 16 +
             static_cast<std::uint64_t>(IsDigit(Text[I]) ? Text[I] - '0' : Text[I] - 'A' + 10);
    Value =
        End - At - 1 == 16 ? std::to_string(static_cast<std::int64_t>(Bits)) : std::to_string(Bits);
  }
  return Value;
}

}  // namespace

namespace TapeCsv {

std::string Header() {
  return "kind,text,value\r\n";
}

std::string Row(std::int32_t TapeAttr, std::string_view Text, const TFormatSettings& Format) {
  std::string Out(KindName(TapeAttr, Text));
  Out += ',';
  Out += Field(Text, true);
  Out += ',';
  if (TapeAttr != TapeAttr::Error) Out += LineValue(Text, Format);
  Out += "\r\n";
  return Out;
}

std::string_view KindName(std::int32_t TapeAttr, std::string_view Text) {
  switch (TapeAttr) {
    case TapeAttr::Expanded:
      return "expanded";
    case TapeAttr::SubTotal:
      return "subtotal";
    case TapeAttr::Total:
      return "total";
    case TapeAttr::Error:
      return "error";
    default:
      return Text == TCalcModel::SeparatorLine ? "separator" : "entry";
  }
}

std::string LineValue(std::string_view Text, const TFormatSettings& Format) {
  if (std::optional<std::string> Hex = HexValue(Text)) return *Hex;
  const std::string_view Decimal = Format.DecimalSeparator;
  const std::string_view Thousand = Format.ThousandSeparator;
  // The last run of digits, with the separators between digits and an exponent after them.
  std::size_t Begin = std::string_view::npos, End = 0;
  for (std::size_t I = 0; I < Text.size();) {
    if (!IsDigit(Text[I])) {
      ++I;
      continue;
    }
    const std::size_t Start = I;
    while (I < Text.size()) {
      if (IsDigit(Text[I])) {
        ++I;
        continue;
      }
      bool Joined = false;
      for (const std::string_view Separator : {Decimal, Thousand}) {
        const std::size_t After = I + Separator.size();
        if (!Separator.empty() && Text.substr(I).starts_with(Separator) && After < Text.size() &&
            IsDigit(Text[After])) {
          I = After;
          Joined = true;
          break;
        }
      }
      if (!Joined) break;
    }
    if (I < Text.size() && Text[I] == 'E') {
      std::size_t J = I + 1;
      if (J < Text.size() && (Text[J] == '+' || Text[J] == '-')) ++J;
      if (J < Text.size() && IsDigit(Text[J])) {
        while (J < Text.size() && IsDigit(Text[J])) ++J;
        I = J;
      }
    }
    Begin = Start;
    End = I;
  }
  if (Begin == std::string_view::npos) return {};

  const std::string_view Before = Text.substr(0, Begin);
  const std::string_view After = Text.substr(End);
  const TAffixes Negative = Affixes(Format.CurrencyNegative);
  const TAffixes Positive = Affixes(Format.CurrencyPositive);
  // "($2.00)" is negative in some locales, but "Sqrt($2.00)" is the function's bracket.
  const std::string_view Outside =
      Before.substr(0, Before.size() - std::min(Before.size(), Negative.Before.size()));
  const bool AfterName = !Outside.empty() && IsLetter(Outside.back());
  const bool NegativeCurrency =
      (Negative.Before != Positive.Before || Negative.After != Positive.After) &&
      Before.ends_with(Negative.Before) && After.starts_with(Negative.After) && !AfterName;

  std::string Value;
  if (NegativeCurrency || Before.ends_with('-')) Value += '-';
  const std::string_view Run = Text.substr(Begin, End - Begin);
  for (std::size_t I = 0; I < Run.size();) {
    if (!Decimal.empty() && Run.substr(I).starts_with(Decimal)) {
      Value += '.';
      I += Decimal.size();
    } else if (!Thousand.empty() && Run.substr(I).starts_with(Thousand)) {
      I += Thousand.size();
    } else {
      Value += Run[I++];
    }
  }
  return Value;
}

std::string Field(std::string_view Text, bool GuardFormula) {
  const bool Guard = GuardFormula && !Text.empty() &&
                     std::string_view("=+-@\t\r").find(Text[0]) != std::string_view::npos;
  std::string Body;
  Body.reserve(Text.size() + 1);
  if (Guard) Body.push_back('\'');
  Body.append(Text);
  if (Body.find_first_of(",\"\r\n") == std::string::npos) return Body;
  std::string Quoted = "\"";
  for (const char C : Body) {
    if (C == '"') Quoted += '"';
    Quoted += C;
  }
  Quoted += '"';
  return Quoted;
}

}  // namespace TapeCsv

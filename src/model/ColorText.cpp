#include "ColorText.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "Utf8Text.h"

namespace {

struct TNamedColor {
  std::string_view Name;
  TColor Value;
};

// The system colours carry the desktop's own colour indices.
constexpr TNamedColor NamedColors[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clScrollBar", SystemColorBase + 0},
    {"clBackground", SystemColorBase + 1},
    {"clActiveCaption", SystemColorBase + 2},
    {"clInactiveCaption", SystemColorBase + 3},
    {"clMenu", SystemColorBase + 4},
    {"clWindow", SystemColorBase + 5},
    {"clWindowFrame", SystemColorBase + 6},
    {"clMenuText", SystemColorBase + 7},
    {"clWindowText", SystemColorBase + 8},
    {"clCaptionText", SystemColorBase + 9},
    {"clActiveBorder", SystemColorBase + 10},
    {"clInactiveBorder", SystemColorBase + 11},
    {"clAppWorkSpace", SystemColorBase + 12},
    {"clHighlight", SystemColorBase + 13},
    {"clHighlightText", SystemColorBase + 14},
    {"clBtnFace", SystemColorBase + 15},
    {"clBtnShadow", SystemColorBase + 16},
    {"clGrayText", SystemColorBase + 17},
    {"clBtnText", SystemColorBase + 18},
    {"clInactiveCaptionText", SystemColorBase + 19},
    {"clBtnHighlight", SystemColorBase + 20},
    {"cl3DDkShadow", SystemColorBase + 21},
    {"cl3DLight", SystemColorBase + 22},
    {"clInfoText", SystemColorBase + 23},
    {"clInfoBk", SystemColorBase + 24},
    {"clHotLight", SystemColorBase + 26},
    {"clGradientActiveCaption", SystemColorBase + 27},
    {"clGradientInactiveCaption", SystemColorBase + 28},
    {"clMenuHighlight", SystemColorBase + 29},
    {"clMenuBar", SystemColorBase + 30},
};

bool SameName(std::string_view A, std::string_view B) {
  if (A.size() != B.size()) return false;
  for (std::size_t I = 0; I < A.size(); ++I) {
    if (std::tolower(static_cast<unsigned char>(A[I])) !=
        std::tolower(static_cast<unsigned char>(B[I])))
      return false;
  }
  return true;
}

// The whole of Digits as an unsigned number in Base; nothing when anything else is in it or
// it does not fit 32 bits.
std::optional<std::uint64_t> WholeNumber(std::string_view Digits, int Base) {
  if (Digits.empty()) return std::nullopt;
  std::uint64_t Value = 0;
  const char* End = Digits.data() + Digits.size();
  const auto [Ptr, Error] = std::from_chars(Digits.data(), End, Value, Base);
  if (Error != std::errc() || Ptr != End || Value > 0xFFFFFFFFu) return std::nullopt;
  return Value;
}

}  // namespace

namespace ColorText {

std::optional<TColor> Parse(std::string_view Untrimmed) {
  const std::string Trimmed = Utf8Text::Trimmed(Untrimmed);
  std::string_view Text = Trimmed;
  for (const TNamedColor& Named : NamedColors) {
    if (SameName(Text, Named.Name)) return Named.Value;
  }
  if (Text.starts_with('$')) {
    const std::optional<std::uint64_t> Value = WholeNumber(Text.substr(1), 16);
    if (!Value) return std::nullopt;
    return static_cast<TColor>(*Value);
  }
  const bool Negative = Text.starts_with('-');
  if (Negative || Text.starts_with('+')) Text.remove_prefix(1);
  // from_chars would take a second sign; only digits may follow.
  if (Text.empty() || !std::isdigit(static_cast<unsigned char>(Text.front()))) return std::nullopt;
  const std::optional<std::uint64_t> Value = WholeNumber(Text, 10);
  if (!Value) return std::nullopt;
  if (!Negative) return static_cast<TColor>(*Value);
  if (*Value > 0x80000000u) return std::nullopt;
  return static_cast<TColor>(0x100000000u - *Value);
}

TColor ParseOr(std::string_view Text, std::string_view DefaultText) {
  if (std::optional<TColor> Color = Parse(Text)) return *Color;
  return Parse(DefaultText).value_or(clWindowText);
}

std::string Format(TColor Color) {
  for (const TNamedColor& Named : NamedColors) {
    if (Named.Value == Color) return std::string(Named.Name);
  }
  char Hex[10];
  std::snprintf(Hex, sizeof Hex, "$%08X", static_cast<unsigned>(Color));
  return Hex;
}

}  // namespace ColorText

// Colour texts as the settings keep them: a colour name ("clBlue", "clWindowText"), "$"
// and hexadecimal digits, or a decimal integer. Used by the settings store, the options
// dialog and the tape styles; the Qt colour of a value is in QtColor.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// 0x00BBGGRR for a plain colour; 0x80000000 + index for a system colour of the desktop.
using TColor = std::uint32_t;

constexpr TColor SystemColorBase = 0x80000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clWindowText = SystemColorBase + 8;

namespace ColorText {

constexpr bool IsSystemColor(TColor Color) {
  return (Color & 0xFF000000) == SystemColorBase;
}

// A name (letter case ignored), "$" and up to eight hexadecimal digits, or a decimal integer
// from -2147483648 to 4294967295 (a negative one is a system colour's two's complement).
// Blanks around are ignored. Nothing for any other text.
std::optional<TColor> Parse(std::string_view Text);

// Parse(Text), or Parse(DefaultText) when Text is not a colour; the window-text colour when
// neither is.
TColor ParseOr(std::string_view Text, std::string_view DefaultText);

// The colour's name when it has one, otherwise "$" and eight upper-case hexadecimal digits.
std::string Format(TColor Color);

}  // namespace ColorText

// The text forms of the calculator's display line: the general, fixed and exponent-entry forms
// of a typed or computed value and its 20-digit hexadecimal view. Built on the engine's
// number-text forms so that the display reads and writes numbers exactly as the tape does.
#pragma once

#include <optional>
#include <string>

#include "NumberText.h"

namespace DisplayText {

constexpr int GeneralDigits = 15;  // significant digits of a shown value
constexpr int FixedDigits = 14;    // significant digits of a number being typed

// 1/3 shows as 0.333333333333333.
std::string General(Extended V, const TFormatSettings& Fs);

// A number being typed with exactly Decimals decimals, no thousands separators.
std::string Fixed(Extended V, int Decimals, const TFormatSettings& Fs);

// 12.5 shows as 1.2500000000000E+0001.
std::string ExponentEntry(Extended V, const TFormatSettings& Fs);

// The whole part of V in 20 upper-case hexadecimal digits, "-" and the magnitude when V is
// negative; nothing when the whole part does not fit a signed 64-bit integer.
std::optional<std::string> Hex(Extended V);

// The exponent-entry mantissa of V (the text before its "E") with Exponent as its power of
// ten; nothing when that number lies outside the range of Extended.
std::optional<Extended> WithExponent(Extended V, Extended Exponent, const TFormatSettings& Fs);

}  // namespace DisplayText

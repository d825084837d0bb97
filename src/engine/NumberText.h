// Text forms of engine numbers. Every conversion between a value and its text (the tape,
// the display, equation files, Multiply's decimal round trip) goes through these functions,
// so that all of them round and read the same way. Locale-independent underneath: the
// user's separators come in through TFormatSettings. Exact decimal ties round away from zero
// in every form (2.5 with no decimals is 3).
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>

// Exact money rests on the 64-bit mantissa of the x87 extended type, GCC's and MinGW-w64's
// long double. A compiler whose long double is a 64-bit double (MSVC) must not build the
// engine: it would compute every number with 11 bits less.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits >= 64,
              "Extended needs a long double with at least 64 mantissa bits (the x87 extended "
              "type of GCC, Clang and MinGW-w64); MSVC's 64-bit long double is not enough");

// The user's regional number settings. Separators are UTF-8 and may be several bytes long.
// One that could be read as part of a number (a digit, a sign, "E") is not used: "." stands
// in for such a decimal separator; such a thousands separator, or one equal to the decimal
// separator, leaves thousands ungrouped.
struct TFormatSettings {
  std::string DecimalSeparator = ".";
  std::string ThousandSeparator = ",";
  std::string CurrencyPositive = "$#";  // '#' stands for the amount's digits
  std::string CurrencyNegative = "-$#";
  int CurrencyDecimals = 2;
};  // a new engine starts with these defaults

namespace NumberText {

// V rounded to P significant digits (P clamped to 2..18), trailing zeros and point dropped.
// Fixed notation when at most P digits stand before the point and |V| >= 0.0001 (or V is 0),
// otherwise "1.5E-7" style. Empty for infinities and NaN.
std::string General(Extended V, int P, const TFormatSettings& Fs);

// One digit, a point, exactly D decimals (D clamped to 0..18), "E", the exponent's sign
// always, then at least MinExpDigits exponent digits: Scientific(1234.5, 4) is "1.2345E+3".
std::string Scientific(Extended V, int D, const TFormatSettings& Fs, int MinExpDigits = 1);

// The display's exponent-entry form: 12.5 is "1.2500000000000E+0001".
std::string ExponentEntry(Extended V, const TFormatSettings& Fs);

// V rounded to P significant digits (P clamped to 2..18), then that decimal rounded again to
// exactly D decimals (D clamped to 0..99) and written without thousands separators; more than
// P digits before the point give General(V, P) instead. Never "-0.00".
std::string Fixed(Extended V, int P, int D, const TFormatSettings& Fs);

// As Fixed, with thousands separators (the tape's Fixed format).
std::string Number(Extended V, int P, int D, const TFormatSettings& Fs);

// Number form with the locale's currency decimals put where the currency pattern has its
// first '#'; a pattern without '#' gives the bare amount. Too wide: General(V, P), unwrapped.
std::string Currency(Extended V, int P, const TFormatSettings& Fs);

// Upper-case hexadecimal digits of V truncated toward zero to a signed 64-bit integer, a
// negative value as its 16-digit two's complement; nothing when V lies outside that range.
std::optional<std::string> HexDigits(Extended V);

// The reading of HexDigits and of the display's hexadecimal form: blanks around, an optional
// "-", an optional "x" or "0x", hexadecimal digits in either case. Without "-" at most 16
// significant digits, read as the 64-bit two's complement in which HexDigits writes a negative
// number; with "-" a magnitude of at most 2^63. Anything else gives nothing.
std::optional<Extended> ParseHex(std::string_view Text);

// The decimal and thousands separators the forms above really write and read, after the
// fallbacks described at TFormatSettings; an empty thousands separator groups nothing.
std::string_view DecimalSeparator(const TFormatSettings& Fs);
std::string_view ThousandSeparator(const TFormatSettings& Fs);

// Strict reading: blanks around, an optional sign, digits with the locale's decimal
// separator, an optional exponent ("E" or "e", optional sign). Anything else, and any
// value beyond the finite range, gives nothing. Values below the smallest denormal read as 0.
std::optional<Extended> Parse(std::string_view Text, const TFormatSettings& Fs);

// A whole number written in decimal digits with an optional "-", from Min to Max; nothing for
// any other text.
std::optional<int> ParseWhole(std::string_view Text, int Min, int Max);

// Reads a number back from any decimal form above (General, Scientific, Fixed, Number,
// Currency): Parse, also taking the thousands separators of Number and Currency and the
// locale's currency pattern around the amount. Nothing for any other text.
std::optional<Extended> ParseFormatted(std::string_view Text, const TFormatSettings& Fs);

}  // namespace NumberText

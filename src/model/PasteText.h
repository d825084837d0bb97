// Reading numbers out of pasted text: a clipboard text cleaned of blanks, a currency symbol and
// the thousands separators that group its digits, then read in full, as decimal or, in
// hexadecimal mode, as the display and the tape write hexadecimal. The calculator model's Paste
// reads a whole clipboard text through it, one number per line for a pasted column.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "NumberText.h"

namespace PasteText {

// A cleaned number text longer than this many characters is no number, rather than cut short.
constexpr std::int32_t MaxNumberLength = 64;
// A longer clipboard text is not read at all: no column the calculator could take is so long.
constexpr std::size_t MaxTextBytes = 1024 * 1024;

// Text reduced to the text of a decimal number: blanks and control characters trimmed at both
// ends, one currency symbol ("$" or the locale's) dropped before or after the amount, and each
// thousands separator dropped where it groups the whole part's digits (after a digit, before
// exactly three digits that are followed by the end, another thousands separator, the decimal
// separator or the exponent). Nothing when that leaves more than MaxNumberLength characters.
// The result need not be a number: "1,5" stays "1,5".
std::optional<std::string> CleanNumberText(std::string_view Text, const TFormatSettings& Fs);

// The number Text stands for; nothing when it stands for none. Decimal: the cleaned text read
// strictly (sign, digits, the locale's decimal separator, exponent). Hexadecimal: blanks and
// control characters trimmed, then read as the tape and the display write hexadecimal
// (NumberText::ParseHex), within what the display can show and MaxNumberLength characters.
std::optional<Extended> ReadNumber(std::string_view Text, const TFormatSettings& Fs, bool Hex);

enum class TPasteKind : std::uint8_t {
  Blank,       // no line holds anything but blanks
  Number,      // one line holds text, and it is a number
  NotANumber,  // one line holds text, and it is none; or the text is longer than MaxTextBytes
  Column,      // several lines hold text
};

struct TPasted {
  TPasteKind Kind = TPasteKind::Blank;
  std::vector<Extended> Numbers;       // the lines that are numbers, in order
  std::vector<std::int32_t> BadLines;  // the lines (counted from 1) that are not numbers
};

// Every line of Text that holds more than blanks, read with ReadNumber. Lines end with CR LF, LF
// or CR.
TPasted Read(std::string_view Text, const TFormatSettings& Fs, bool Hex);

}  // namespace PasteText

// The tape as CSV, for veltrona-tape --csv: a header, then one row per tape line with its kind,
// its text and its number in plain form, quoted as RFC 4180 says and with every text that a
// spreadsheet would take for a formula made harmless.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "NumberText.h"

namespace TapeCsv {

// "kind,text,value" and a CR LF.
std::string Header();

// One row and its CR LF.
std::string Row(std::int32_t TapeAttr, std::string_view Text, const TFormatSettings& Format);

// "entry", "expanded", "subtotal", "total", "error", or "separator" for the line between
// calculations.
std::string_view KindName(std::int32_t TapeAttr, std::string_view Text);

// The last number of a tape line as digits with "." for the decimal point ("-1234.5",
// "1.5E-7"): without thousands separators or the currency, negative when the line writes it
// so, a hexadecimal one ("x1F") in decimal; empty when the line holds no number.
std::string LineValue(std::string_view Text, const TFormatSettings& Format);

// A field quoted when it holds a comma, a quote or a line break; text that begins with
// = + - @ or a tab or carriage return gets a leading apostrophe first when GuardFormula is set.
std::string Field(std::string_view Text, bool GuardFormula);

}  // namespace TapeCsv

// Reads one line of veltrona-tape --sum as an amount: blanks, quotes, a currency sign or code
// and thousands separators around or inside it are dropped, a minus, a trailing minus or
// brackets make it negative, and "." or "," is the decimal point whichever the locale uses
// when the digits leave no doubt. It stands in for the cleaning of pasted numbers until the
// terminal program shares the window's.
#pragma once

#include <optional>
#include <string_view>

#include "NumberText.h"

std::optional<Extended> ReadSumNumber(std::string_view Line, const TFormatSettings& Format);

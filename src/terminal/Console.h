// The few facts veltrona-tape asks of the platform: whether standard input and output are a
// terminal, the terminal's width, and whether colours are wanted. Kept in one place so that
// everything around them can be tested with plain files.
#pragma once

#include <optional>

namespace Console {

bool InputIsTerminal();
bool OutputIsTerminal();

// The width of the terminal on standard output; nothing when it is not a terminal.
std::optional<int> OutputWidth();

// NO_COLOR set to anything but an empty text turns colours off.
bool ColorsRefused();

}  // namespace Console

// Small helpers for the UTF-8 text that the engine, the settings record and the notes hold:
// trimming blanks and control characters at both ends, and counting characters rather than
// bytes (a tape line's recorded length, the 26-character rule of expanded lines).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace Utf8Text {

// Text without blanks (space separators) and control characters at either end. A broken
// UTF-8 sequence counts as text and is kept.
std::string Trimmed(std::string_view Text);

// The number of characters (code points) of Text.
std::int32_t CharCount(std::string_view Text);

}  // namespace Utf8Text

// Small helpers for the UTF-8 text that the engine, the settings record and the notes hold:
// trimming blanks and control characters at both ends, counting characters rather than bytes
// (a tape line's recorded length, the 26-character rule of expanded lines), and reading one
// character at a time (the rich-text writer's escapes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Utf8Text {

// Text without blanks (space separators) and control characters at either end. A broken
// UTF-8 sequence counts as text and is kept.
std::string Trimmed(std::string_view Text);

// The number of characters (code points) of Text.
std::int32_t CharCount(std::string_view Text);

// The character that starts at byte At of Text, with At moved past it. A broken sequence
// reads as U+FFFD, one byte at a time. At must be less than Text's size.
char32_t NextCodePoint(std::string_view Text, std::size_t& At);

}  // namespace Utf8Text

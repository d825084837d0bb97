#include "Utf8Text.h"

#include <algorithm>
#include <optional>

namespace {

bool IsBlankOrControl(char32_t C) {
  return C <= 0x20 || (C >= 0x7F && C <= 0xA0) || C == 0x1680 || (C >= 0x2000 && C <= 0x200A) ||
         C == 0x2028 || C == 0x2029 || C == 0x202F || C == 0x205F || C == 0x3000;
}

bool IsContinuation(unsigned char B) {
  return (B & 0xC0) == 0x80;
}

// The code point whose UTF-8 bytes are exactly Bytes; nothing for a malformed sequence, which
// then counts as text.
std::optional<char32_t> CodePoint(std::string_view Bytes) {
  if (Bytes.empty()) return std::nullopt;
  const auto Lead = static_cast<unsigned char>(Bytes[0]);
  std::size_t Length = 0;
  char32_t C = 0;
  if (Lead < 0x80) {
    Length = 1;
    C = Lead;
  } else if ((Lead & 0xE0) == 0xC0) {
    Length = 2;
    C = Lead & 0x1F;
  } else if ((Lead & 0xF0) == 0xE0) {
    Length = 3;
    C = Lead & 0x0F;
  } else if ((Lead & 0xF8) == 0xF0) {
    Length = 4;
    C = Lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (Bytes.size() != Length) return std::nullopt;
  for (std::size_t I = 1; I < Length; ++I) {
    const auto B = static_cast<unsigned char>(Bytes[I]);
    if (!IsContinuation(B)) return std::nullopt;
    C = (C << 6) | (B & 0x3F);
  }
  return C;
}

std::size_t SequenceLength(unsigned char Lead) {
  if (Lead < 0xC0) return 1;
  if (Lead < 0xE0) return 2;
  if (Lead < 0xF0) return 3;
  return 4;
}

}  // namespace

namespace Utf8Text {

std::string Trimmed(std::string_view Text) {
  while (!Text.empty()) {
    const std::size_t Length =
        std::min(SequenceLength(static_cast<unsigned char>(Text.front())), Text.size());
    const std::optional<char32_t> C = CodePoint(Text.substr(0, Length));
    if (!C || !IsBlankOrControl(*C)) break;
    Text.remove_prefix(Length);
  }
  while (!Text.empty()) {
    std::size_t Start = Text.size() - 1;
    while (Start > 0 && Text.size() - Start < 4 &&
           IsContinuation(static_cast<unsigned char>(Text[Start])))
      --Start;
    const std::optional<char32_t> C = CodePoint(Text.substr(Start));
    if (!C || !IsBlankOrControl(*C)) break;
    Text.remove_suffix(Text.size() - Start);
  }
  return std::string(Text);
}

std::int32_t CharCount(std::string_view Text) {
  std::int32_t Count = 0;
  for (unsigned char C : Text) Count += !IsContinuation(C);
  return Count;
}

char32_t NextCodePoint(std::string_view Text, std::size_t& At) {
  const std::size_t Length =
      std::min(SequenceLength(static_cast<unsigned char>(Text[At])), Text.size() - At);
  if (const std::optional<char32_t> C = CodePoint(Text.substr(At, Length))) {
    At += Length;
    return *C;
  }
  ++At;
  return U'\uFFFD';
}

}  // namespace Utf8Text

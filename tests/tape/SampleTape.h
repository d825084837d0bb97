// A small tape with a line of every kind and look the tape has: an entry, a worked-out
// function, a subtotal, a negative total in red, an error, notes in italics (one that looks
// like RTF, one beyond ASCII) and a separator. Used by the tape tests and the window tests.
#pragma once

#include <string>
#include <vector>

#include "TapeLine.h"

inline constexpr std::uint32_t SampleBlack = 0x000000;
inline constexpr std::uint32_t SampleBlue = 0x0000FF;
inline constexpr std::uint32_t SampleGreen = 0x008000;
inline constexpr std::uint32_t SampleRed = 0xFF0000;

// "Café – 5 €": two-byte and three-byte characters, all in the tape's designed font.
inline const char* const SampleUnicodeNote = "Caf\xC3\xA9 \xE2\x80\x93 5 \xE2\x82\xAC";

inline std::vector<TTapeLine> SampleTape() {
  using enum TTapeLineKind;
  return {
      {"  9", Entry, SampleBlack},
      {"+ Sqrt(16)", Entry, SampleBlack},
      {"[Sqrt(16) = 4]", Expanded, SampleBlue},
      {"{= 13}", SubTotal, SampleGreen},
      {"- 20", Entry, SampleBlack},
      {"= -7", Total, SampleRed, true, false, true},
      {"Cannot Divide by Zero", Error, SampleRed},
      {"Fuel {\\b x}\\par", Note, SampleBlue, false, true, false},
      {SampleUnicodeNote, Note, SampleBlue, false, true, false},
      {"------------", Separator, SampleBlack},
  };
}

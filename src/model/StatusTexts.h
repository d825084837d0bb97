// The texts of the calculator's status bar (the memory value, the precedence mode and the
// tape format) and the memory key's hint. Plain logic so that every text can be checked without
// a window; the window writes them into its panels.
#pragma once

#include <optional>
#include <string>

#include "NumberText.h"

struct TStatusInputs {
  Extended Memory = 0;
  bool HexMode = false;
  bool DumbMath = false;   // "As Entered" precedence
  int TapeFormatMode = 1;  // 1 General, 2 Scientific, 3 Currency, 4 Fixed
  int Digits = 4;          // decimals of Scientific and Fixed
  bool TapeHidden = false;
};

struct TStatusTexts {
  std::string Memory;
  std::string Precedence;
  std::optional<std::string> TapeFormat;  // nothing: an unknown format leaves the panel as it was
};

TStatusTexts MakeStatusTexts(const TStatusInputs& In, const TFormatSettings& Fs);

// The hint of the tape format button: "Tape Format:General" and so on; empty for an unknown
// format.
std::string TapeFormatHint(int TapeFormatMode);

// The hint of the decimals buttons: LastShown as the Scientific or Fixed format would print it
// with Digits decimals; empty for the other formats.
std::string DecimalHint(int TapeFormatMode, int Digits, Extended LastShown,
                        const TFormatSettings& Fs);

// The hint of the MR key: "No Number in Memory", "Memory = 12.5", "Memory = Hex 0...0FF".
std::string MemoryHint(Extended Memory, bool HexMode, const TFormatSettings& Fs);

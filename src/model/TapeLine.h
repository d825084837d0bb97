// One line of the tape as the tape's output sees it: its text, its kind and its look with the
// colour resolved. The pane reads its lines out as these records, and the file writers and the
// printout work on the records alone, so that they are tested without a widget.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Operators.h"
#include "TapeCodes.h"

class TVeltronaEval;

enum class TTapeLineKind : std::uint8_t {
  Entry,
  Expanded,
  SubTotal,
  Total,
  Error,
  Note,
  Separator
};

// What the engine knew of a line as it printed it: the line's operation and the form its amount
// is written in, so that a spreadsheet gets the operation as a word and the amount as a number
// shown the line's way. Notes, separators and errors keep the defaults.
struct TTapeLineForm {
  TVeltronaOper Oper = sceNone;     // TVeltronaEval::TapeLineOper
  TVeltronaOper Applied = sceNone;  // TVeltronaEval::TapeLineApplied
  std::int32_t Format = TapeFormat::General;
  std::int32_t Digits = 4;  // the decimals of Scientific and Fixed
  bool Hex = false;

  bool operator==(const TTapeLineForm&) const = default;
};

// The form of the line Engine is sending now (inside its OnVeltronaTape).
TTapeLineForm TapeLineForm(const TVeltronaEval& Engine);

struct TTapeLine {
  std::string Text;  // UTF-8, without its line break
  TTapeLineKind Kind = TTapeLineKind::Entry;
  std::uint32_t Rgb = 0;  // 0xRRGGBB; the desktop's text colour already turned black
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  TTapeLineForm Form{};

  bool operator==(const TTapeLine&) const = default;
};

// The kind of a line appended to the tape: by the engine's attribute code, the separator
// between calculations by its text. Any other code is an entry line, as it looks like one.
TTapeLineKind TapeLineKind(std::int32_t TapeAttr, std::string_view Text);

// "entry", "expanded", "subtotal", "total", "error", "note" or "separator".
std::string_view TapeLineKindName(TTapeLineKind Kind);

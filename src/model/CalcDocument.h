// The calculation a tape document keeps: its entries, the settings it was computed with and
// the value it ends on, and the number being typed or corrected when the tape was saved. A
// document's calculation is checked on an engine of its own before the model takes it, so a
// calculation that no longer works out as recorded is refused rather than recomputed.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "NumberText.h"
#include "Operators.h"
#include "TapeLine.h"

class TVeltronaEval;

// The settings a calculation was computed with.
struct TDocSettings {
  bool AsEntered = false;     // precedence "As Entered"
  bool PlainPercent = false;  // the engine's plain percent mode
  std::string TaxName = "Tax";
  double TaxRate = 0.1;        // a fraction
  std::int32_t Format = 1;     // tape format 1 to 4
  std::int32_t Decimals = 2;   // 0 to 18
  bool Hex = false;            // hexadecimal
  std::int32_t AngleUnit = 1;  // 1 degrees, 2 radians, 3 grads

  bool operator==(const TDocSettings&) const = default;
};

// One entry: the opening number has the operator sceStart. A number recalled from memory is
// kept as the value it was, so that the calculation replays the same with any memory.
struct TDocEntry {
  TVeltronaOper Oper = sceStart;
  bool HasNumber = false;
  Extended Number = 0;

  bool operator==(const TDocEntry&) const = default;
};

struct TDocCalculation {
  std::vector<TDocEntry> Entries;
  TDocSettings Settings;
  Extended Total = 0;   // the value the calculation ends on
  bool Failed = false;  // it ends in an error

  bool operator==(const TDocCalculation&) const = default;
};

// What the display and the number entry held.
struct TDocInput {
  std::string Display = "0";
  Extended Shown = 0;       // the value on the display
  std::string Entry;        // the number being typed (TNumberEntry::Saved); empty: none
  std::int32_t Picked = 0;  // the entry being corrected; 0: none

  bool operator==(const TDocInput&) const = default;
};

// Where an entry's number line stands on the tape.
struct TDocPlace {
  std::int32_t Entry = 0;
  std::int32_t SelStart = 0;
  std::int32_t SelLen = 0;
};

namespace CalcDocument {

// The longest display text a document may hold.
constexpr std::size_t MaxDisplayLength = 200;

// Engine takes Settings (and nothing else of the model's).
void ApplySettings(TVeltronaEval& Engine, const TDocSettings& Settings);
// Replays Calc's entries on Engine, which prints nothing: false when they do not all go in.
bool Replay(TVeltronaEval& Engine, const TDocCalculation& Calc);
// Calc with Total and Failed as its entries work out with its settings; nothing when its
// entries do not make a calculation.
std::optional<TDocCalculation> WorkedOut(TDocCalculation Calc);
// Whether Calc's entries work out to the total and failure it records.
bool ReplaysAsRecorded(const TDocCalculation& Calc);
// Whether Input can stand beside Calc: a number entry that reads back, a picked entry that
// holds a number, a display text of a sensible length.
bool InputFits(const TDocInput& Input, const TDocCalculation& Calc);
// For each of Lines, the entry whose number it shows (0 for none): a place belongs to the line
// that starts where it does. Length is a line's length in the tape's positions.
std::vector<std::int32_t> LineEntries(const std::vector<TTapeLine>& Lines,
                                      const std::vector<TDocPlace>& Places,
                                      std::int32_t (*Length)(std::string_view Text));

}  // namespace CalcDocument

// ICalcView is what the calculator model needs from a front-end: the window implements it with
// widgets, the terminal with standard output, the tests with a recording fake. The model calls
// it synchronously from inside its commands and never keeps anything of it but the reference.
#pragma once

#include <cstdint>
#include <string>

#include "TapeLine.h"

class ICalcView {
 public:
  virtual ~ICalcView() = default;

  // The display's whole new text; shown at once, before the rest of the view catches up.
  virtual void ShowDisplayText(const std::string& Text) = 0;

  // A new last line on the tape: the engine's lines and the separators between calculations,
  // with the operation and number form the engine printed it with (none for a separator).
  virtual void AppendTapeLine(const std::string& Text, std::int32_t TapeAttr, bool IsNegative,
                              const TTapeLineForm& Form) = 0;

  // Where the next appended line will start, in the tape's own positions.
  virtual std::int32_t TapeEndPosition() = 0;

  // Highlights a range of the tape (a picked number's line).
  virtual void SelectTapeRange(std::int32_t Start, std::int32_t Length) = 0;

  // An error message box with one OK button.
  virtual void ShowErrorMessage(const std::string& Text) = 0;

  // Called once at the end of every command: the front-end refreshes whatever it shows of the
  // model's state (status texts, memory hint, edit-mode look, enabled keys and commands).
  virtual void StateChanged() = 0;
};

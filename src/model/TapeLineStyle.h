// The look of each tape line: its colour and bold, italic and underline, chosen from the
// line's attribute code and the tape settings, and the look of the user's notes. Plain logic
// for the tape's front-ends; the window's TapeCharFormat turns a style into a Qt text format.
#pragma once

#include <cstdint>

#include "CalcSettings.h"
#include "ColorText.h"

struct TTapeLineStyle {
  TColor Color = clWindowText;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;

  bool operator==(const TTapeLineStyle&) const = default;
};

// TapeAttr: 1 entry or separator line, 2 expanded operator, 3 subtotal, 4 total, 5 error;
// any other code looks like an entry line. IsNegative matters for totals only.
TTapeLineStyle TapeLineStyle(std::int32_t TapeAttr, bool IsNegative, const TCalcSettings& Settings);

TTapeLineStyle AnnotationStyle(const TCalcSettings& Settings);

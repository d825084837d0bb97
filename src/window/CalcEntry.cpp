// Number entry of TCalculator: digits, the decimal point, the exponent, pi and the sign key
// build Entry and show it; the engine sees the number only when an operator follows.
#include <cmath>

#include "Calccode.h"
#include "DisplayText.h"

namespace {

// pi as the 80-bit value with exponent 0x4000 and mantissa 0xC90FDAA22168C234.
const Extended Pi80 = std::ldexp(static_cast<Extended>(0xC90FDAA22168C234ULL), -62);

}  // namespace

void TCalculator::PressDigit(int D) {
  FromMem = false;
  if (!HexMode && D > 9) return;
  if (!Entering && !CurrentEngine.IsAwaitingNumber()) {
    StartNewCalculation();
    ResetEntryState();
    UpdateNavigationButtons();
  }
  if (ExpEntry) {
    Entry = AppendExponentDigit(Entry, D);
    // An exponent out of range has ended the exponent entry and left 0.
    ShowOnDisplay(
        ExpEntry ? DisplayText::ExponentEntry(Entry, Fs()) : DisplayText::General(Entry, Fs()),
        Entry);
  } else {
    Entry = AppendDigit(Entry, D);
    ShowOnDisplay(DisplayText::Fixed(Entry, ShownDecimals, Fs()), Entry);
  }
  FocusDefaultButton();
  Entering = true;
  LastShown = Entry;
  UpdateDecimalHints();
  RefreshStatusBar();
}

Extended TCalculator::AppendDigit(Extended V, int D) {
  if (StartNew) {
    V = 0;
    DecimalCount = 0;
    StartNew = false;
  }
  if (DecimalCount >= 1) {
    if (DecimalCount > 9) return V;  // nine decimals at most
    V += static_cast<Extended>(D) / std::pow(10.0L, DecimalCount);
    ShownDecimals = DecimalCount;
    ++DecimalCount;
    return V;
  }
  if (V > 999999999) return V;  // ten digits before the point at most
  ShownDecimals = 0;
  return V * Radix + D;
}

Extended TCalculator::AppendExponentDigit(Extended V, int D) {
  if (StartNew) {
    V = 0;
    DecimalCount = 0;
    StartNew = false;
  }
  ExpValue = ExpValue * Radix + D;
  if (std::optional<Extended> R = DisplayText::WithExponent(V, ExpSign * ExpValue, Fs())) return *R;
  InvalidNumber();
  return 0;
}

void TCalculator::InvalidNumber() {
  ShowMessageDlg(QStringLiteral("Invalid Number"));
  ResetEntryState();
}

void TCalculator::PressPoint() {
  if (!Entering && !CurrentEngine.IsAwaitingNumber()) {
    StartNewCalculation();
    ResetEntryState();
    UpdateNavigationButtons();
  }
  if (StartNew) {
    DecimalCount = 0;
    Entry = 0;
    StartNew = false;
  }
  if (DecimalCount >= 1) return;
  DecimalCount = 1;
  Entering = true;
  FromMem = false;
  ShowOnDisplay(DisplayText::General(Entry, Fs()) + Fs().DecimalSeparator, Entry);
  LastShown = Entry;
  FocusDefaultButton();
}

void TCalculator::PressSign() {
  if (ExpEntry) {
    ExpSign = -ExpSign;
    if (std::optional<Extended> R = DisplayText::WithExponent(Entry, ExpSign * ExpValue, Fs())) {
      Entry = *R;
      ShowOnDisplay(DisplayText::ExponentEntry(Entry, Fs()), Entry);
    } else {
      // A denormal such as 1E-4940 has no positive counterpart.
      InvalidNumber();
      ShowOnDisplay(DisplayText::General(Entry, Fs()), Entry);
    }
    LastShown = Entry;
  } else if (Entering) {
    Entry = -Entry;
    ShowOnDisplay(DisplayText::General(Entry, Fs()), Entry);
    LastShown = Entry;
    StartNew = true;  // the sign key ends the number
    FocusDefaultButton();
  } else {
    PressOperator(sceRevSign);
  }
}

void TCalculator::PressExp() {
  if (ExpEntry) return;
  if (Entry == 0) PressDigit(1);
  ShowOnDisplay(DisplayText::ExponentEntry(Entry, Fs()), Entry);
  ExpEntry = true;
  ExpSign = 1;
  ExpValue = 0;
}

void TCalculator::PressPi() {
  EnterWholeNumber(Pi80);
}

// A number that arrives whole (pi, memory recall) starts a new calculation after a finished
// one and then stands as if typed; the next digit replaces it.
void TCalculator::EnterWholeNumber(Extended Value) {
  if (!Entering && !CurrentEngine.IsAwaitingNumber()) StartNewCalculation();
  Entry = Value;
  ShowOnDisplay(
      ExpEntry ? DisplayText::ExponentEntry(Entry, Fs()) : DisplayText::General(Entry, Fs()),
      Entry);
  FocusDefaultButton();
  Entering = true;
  LastShown = Entry;
  StartNew = true;
  FromMem = false;
}

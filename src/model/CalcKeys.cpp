// The calculator model's keys: number entry, the operators and the characters of the
// keyboard. The engine sees a number only when an operator follows it.
#include <cmath>

#include "CalcModel.h"
#include "DisplayText.h"
#include "TapeCodes.h"

namespace {

// pi as the 80-bit value with exponent 0x4000 and mantissa 0xC90FDAA22168C234.
const Extended Pi80 = std::ldexp(static_cast<Extended>(0xC90FDAA22168C234ULL), -62);

}  // namespace

void TCalcModel::PressDigit(int D) {
  Run([&] {
    if (!fHexMode && D > 9) return;
    NumberArrives();
    if (fInput.ExpEntry()) {
      if (!fInput.AppendExponentDigit(D, Radix(), NumberFormat())) InvalidNumber();
      // An exponent out of range has ended the exponent entry and left 0.
      ShowEntry(fInput.ExpEntry() ? TypedText()
                                  : DisplayText::General(fInput.Entry(), NumberFormat()));
    } else {
      fInput.AppendDigit(D, Radix());
      ShowEntry(TypedText());
    }
  });
}

void TCalcModel::PressPoint() {
  Run([&] {
    NumberArrives();
    if (!fInput.AddPoint()) return;
    ShowEntry(DisplayText::General(fInput.Entry(), NumberFormat()) +
              NumberFormat().DecimalSeparator);
  });
}

void TCalcModel::PressSign() {
  Run([&] {
    if (fInput.ExpEntry()) {
      if (fInput.ToggleExponentSign(NumberFormat())) {
        ShowEntry(TypedText());
      } else {
        // A denormal such as 1E-4940 has no positive counterpart.
        InvalidNumber();
        ShowEntry(DisplayText::General(fInput.Entry(), NumberFormat()));
      }
    } else if (fInput.Entering()) {
      fInput.Negate();
      ShowEntry(DisplayText::General(fInput.Entry(), NumberFormat()));
    } else {
      PressOperator(sceRevSign);
    }
  });
}

void TCalcModel::PressExp() {
  Run([&] {
    if (fInput.ExpEntry()) return;
    if (fInput.Entry() == 0) PressDigit(1);
    fInput.BeginExponent();
    ShowOnDisplay(DisplayText::ExponentEntry(fInput.Entry(), NumberFormat()), fInput.Entry());
  });
}

void TCalcModel::PressPi() {
  Run([&] { ArriveWhole(Pi80); });
}

// A number that arrives whole (pi, memory recall) starts a new calculation after a finished
// one and then stands as if typed; the next digit replaces it.
void TCalcModel::ArriveWhole(Extended Value) {
  NumberArrives();
  fInput.ArriveWhole(Value);
  ShowEntry(WholeText(Value));
}

void TCalcModel::BackSpace() {
  Run([&] {
    if (!fInput.BackSpace(fDisplayText, fHexMode, NumberFormat())) return;
    if (fHexMode)
      ShowEntry(DisplayText::General(fInput.Entry(), NumberFormat()));
    else if (!fInput.ExpEntry() && fInput.DecimalCount() == 1)
      ShowEntry(DisplayText::General(fInput.Entry(), NumberFormat()) +
                NumberFormat().DecimalSeparator);
    else
      ShowEntry(TypedText());
  });
}

void TCalcModel::ClearEntry() {
  Run([&] {
    fInput.ClearToZero();
    ShowOnDisplay("0", 0);
    fLastShown = 0;
  });
}

void TCalcModel::ClearAll() {
  Run([&] {
    PushToHistory();
    fEngine.Clear();
    ResetEntryState();
    ShowEntry(DisplayText::General(fInput.Entry(), NumberFormat()));
    AppendSeparator();
  });
}

void TCalcModel::PressOperator(TVeltronaOper Code) {
  Run([&] {
    // A picked number of a failed calculation is being corrected: the replay below rebuilds
    // the calculation, which the clear would lose.
    if (fEngine.EquationInError() && !fReplayEdit) fEngine.Clear();
    if (fReplayEdit) {
      fEngine.ReplaceNavNumber(fInput.Entry());
      AppendSeparator();
      fEngine.Recalc(fEngine.NavIndex());
      fReplayEdit = false;
    } else if (fInput.Entering()) {
      HandOverEntry();
    } else if (fEngine.IsEmpty()) {
      fEngine.EnterNumber(false, 0);  // an operator pressed first works on 0
    }
    fEngine.EnterOperator(Code);
    fInput.HandedOver();
  });
}

void TCalcModel::HandOverEntry() {
  const bool FromMem = fInput.FromMem();
  const Extended Value = fInput.Entry();
  // CE after a finished calculation starts a number without starting a calculation.
  OpenNewCalculationIfFinished();
  // Handed over: if the operator then stops at the entry limit, the next operator must not
  // hand the same number over a second time.
  fInput.HandedOver();
  fEngine.EnterNumber(FromMem, Value);
}

void TCalcModel::PressCharacter(std::string_view Character) {
  static constexpr struct {
    char Key;
    TVeltronaOper Code;
  } Operators[] = {{'+', sceAdd},    {'-', sceMinus},  {'*', sceTimes},
                   {'/', sceDivide}, {'%', scePercen}, {'=', sceEquals}};
  if (Character.empty()) return;
  if (Character == "." || Character == NumberFormat().DecimalSeparator) {
    PressPoint();
    return;
  }
  if (Character.size() != 1) return;
  const char C = Character[0];
  if (C >= '0' && C <= '9') {
    PressDigit(C - '0');
    return;
  }
  for (const auto& Op : Operators) {
    if (C == Op.Key) {
      PressOperator(Op.Code);
      return;
    }
  }
}

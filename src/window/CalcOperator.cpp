// Operator keys of TCalculator: hand the typed number and the operation code to the engine,
// which shows the new value and writes the tape through its events.
#include "Calccode.h"

void TCalculator::PressOperator(TVeltronaOper Code) {
  if (CurrentEngine.EquationInError()) CurrentEngine.Clear();
  if (ReplayEdit) {
    CurrentEngine.ReplaceNavNumber(Entry);
    AppendTapeLine(SeparatorLine, 1, false);
    CurrentEngine.Recalc(CurrentEngine.NavIndex());
    ReplayEdit = false;
  } else if (Entering) {
    HandOverEntry();
  } else if (CurrentEngine.IsEmpty()) {
    CurrentEngine.EnterNumber(false, 0);  // an operator pressed first works on 0
  }
  CurrentEngine.EnterOperator(Code);
  Entry = 0;
  Entering = false;
  FromMem = false;
  ExpEntry = false;
  DecimalCount = 0;
  UpdateNavigationButtons();
  ShowEditMode();
  FocusDefaultButton();
}

void TCalculator::HandOverEntry() {
  // CE after a finished calculation starts a number without starting a calculation; that
  // number opens a new one rather than overwriting the finished total.
  if (!CurrentEngine.IsAwaitingNumber()) StartNewCalculation();
  CurrentEngine.EnterNumber(FromMem, Entry);
  // Handed over: if the operator then stops at the entry limit, the next operator must not
  // hand the same number over a second time.
  Entering = false;
}

void TCalculator::StartNewCalculation() {
  AppendTapeLine(SeparatorLine, 1, false);
  PushToHistory();
  CurrentEngine.Clear();
}

void TCalculator::RecalcBitBtnClick() {
  if (ReplayEdit)
    RecalcToolButtonClick();
  else
    PressOperator(sceEquals);
}

// Navigation over the tape for TCalculator: which key is the default one, how the display
// shows a picked number, and Replay, which writes the calculation again below a separator.
#include "Calccode.h"

void TCalculator::UpdateNavigationButtons() {}

void TCalculator::UpdateFormatHints() {}

void TCalculator::UpdateDecimalHints() {}

void TCalculator::ShowEditMode() {
  QPalette Palette = ui.Edit1->palette();
  Palette.setColor(QPalette::Text, ReplayEdit ? QColor(0, 255, 255) : QColor(0, 255, 0));
  ui.Edit1->setPalette(Palette);
  ui.EqualsBitBtn->setVisible(!ReplayEdit);
  ui.RecalcBitBtn->setVisible(ReplayEdit);
}

void TCalculator::FocusDefaultButton() {
  (ReplayEdit ? ui.RecalcBitBtn : ui.EqualsBitBtn)->setFocus();
}

void TCalculator::RecalcToolButtonClick() {
  if (ReplayEdit) {
    CurrentEngine.ReplaceNavNumber(Entry);
  } else if (Entering && CurrentEngine.IsAwaitingNumber()) {
    CurrentEngine.EnterNumber(FromMem, Entry);
    Entering = false;
  }
  AppendTapeLine(SeparatorLine, 1, false);
  CurrentEngine.Recalc(0);
  Entry = 0;
  Entering = false;
  FromMem = false;
  ReplayEdit = false;
  UpdateNavigationButtons();
  ShowEditMode();
}

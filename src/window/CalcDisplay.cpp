// The window's side of the model's view: the display line, the tape lines, the error boxes,
// and after every command the status bar, the memory hint, the key sets of the number base
// and the edit-mode look.
#include <QAbstractButton>
#include <QLabel>

#include "Calccode.h"
#include "NumberText.h"
#include "StatusTexts.h"
#include "TapeCharFormat.h"
#include "TapeLineStyle.h"
#include "TapePane.h"

void TCalculator::ShowDisplayText(const std::string& Text) {
  const QString Shown = QString::fromStdString(Text);
  ui.Edit1->setPlainText(Shown);
  // Drawn now rather than with the rest of the window: the display is what the user waits for.
  ui.Edit1->repaint();
  // A screen reader speaks the changes of the focused control only, and the display never has
  // the focus; the Equals or the Recalc key nearly always has it, so both carry the value.
  ui.EqualsBitBtn->setAccessibleDescription(Shown);
  ui.RecalcBitBtn->setAccessibleDescription(Shown);
}

void TCalculator::AppendTapeLine(const std::string& TapeVal, std::int32_t TapeAttr, bool IsNegative,
                                 const TTapeLineForm& Form) {
  Tape->AppendLine(
      QString::fromStdString(TapeVal),
      TapeCharFormat(TapeLineStyle(TapeAttr, IsNegative, CalcSettings), ui.RichEdit1->palette()),
      TapeLineKind(TapeAttr, TapeVal), Form);
}

std::int32_t TCalculator::TapeEndPosition() {
  return Tape->EndPosition();
}

void TCalculator::SelectTapeRange(std::int32_t Start, std::int32_t Length) {
  Tape->Select(Start, Length);
}

void TCalculator::ShowErrorMessage(const std::string& Text) {
  ShowMessageDlg(QString::fromStdString(Text));
}

void TCalculator::StateChanged() {
  if (!Constructed) return;
  ApplyBaseMode();
  CaptionDecimalKey();
  RefreshMemoryHint();
  RefreshStatusBar();
  UpdateNavigationButtons();
  UpdateFormatHints();
  UpdateDecimalHints();
  UpdateHistoryCommands();
  ShowEditMode();
  FocusDefaultButton();
  ScheduleSave();
}

void TCalculator::RefreshStatusBar() {
  const TStatusInputs In{Model.Memory(),           Model.HexMode(),
                         CurrentEngine.DumbMath(), CurrentEngine.TapeFormatMode(),
                         CurrentEngine.Digits(),   CalcSettings.HideTape};
  const TStatusTexts Texts = MakeStatusTexts(In, Model.NumberFormat());
  const auto Show = [](QLabel* Panel, const std::string& Text) {
    const QString New = QString::fromStdString(Text);
    if (Panel->text() != New) Panel->setText(New);
  };
  Show(StatusPanels[0], Texts.Memory);
  Show(StatusPanels[1], Texts.Precedence);
  if (Texts.TapeFormat) Show(StatusPanels[2], *Texts.TapeFormat);
}

void TCalculator::RefreshMemoryHint() {
  const QString Hint =
      QString::fromStdString(MemoryHint(Model.Memory(), Model.HexMode(), Model.NumberFormat()));
  if (ui.ButtonMemRecall->toolTip() != Hint) ui.ButtonMemRecall->setToolTip(Hint);
}

void TCalculator::ApplyBaseMode() {
  const bool Hex = Model.HexMode();
  if (HexKeysShown == Hex) return;
  HexKeysShown = Hex;
  for (QAbstractButton* Key :
       {ui.ButtonA, ui.ButtonB, ui.ButtonC, ui.ButtonD, ui.ButtonE, ui.ButtonF}) {
    Key->setEnabled(Hex);
  }
  for (QAbstractButton* Key :
       {ui.Button17, ui.ButtonRecip, ui.ButtonSqrt, ui.ButtonSin, ui.ButtonCos, ui.ButtonTan,
        ui.ButtonAsin, ui.ButtonAcos, ui.ButtonAtan, ui.ButtonPi, ui.ButtonLog, ui.ButtonInvLog,
        ui.ButtonLn, ui.ButtonInvLn, ui.ButtonYroot, ui.ButtonExp}) {
    Key->setEnabled(!Hex);
  }
}

// The decimal key shows the user's decimal separator (it takes "." and "," alike).
void TCalculator::CaptionDecimalKey() {
  const std::string_view Separator = NumberText::DecimalSeparator(Model.NumberFormat());
  const QString Point =
      QString::fromUtf8(Separator.data(), static_cast<qsizetype>(Separator.size()));
  if (ui.Button17->text() != Point) ui.Button17->setText(Point);
}

void TCalculator::ShowEditMode() {
  const bool Editing = Model.ReplayEdit();
  if (EditModeShown == Editing) return;
  EditModeShown = Editing;
  QPalette Palette = ui.Edit1->palette();
  Palette.setColor(QPalette::Text, Editing ? QColor(0, 255, 255) : QColor(0, 255, 0));
  ui.Edit1->setPalette(Palette);
  ui.EqualsBitBtn->setVisible(!Editing);
  ui.RecalcBitBtn->setVisible(Editing);
}

void TCalculator::FocusDefaultButton() {
  (Model.ReplayEdit() ? ui.RecalcBitBtn : ui.EqualsBitBtn)->setFocus();
}

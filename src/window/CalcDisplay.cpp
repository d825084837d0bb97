// The display line, the status bar and the handlers of CurrentEngine's events.
#include <QAction>
#include <QLabel>

#include "Calccode.h"
#include "DisplayText.h"
#include "StatusTexts.h"

void TCalculator::ShowOnDisplay(const std::string& Text, Extended Value) {
  if (!HexMode) {
    SetDisplayText(QString::fromStdString(Text));
    return;
  }
  if (std::optional<std::string> Hex = DisplayText::Hex(Value)) {
    SetDisplayText(QString::fromStdString(*Hex));
    return;
  }
  ShowMessageDlg(QStringLiteral("Number too Large"));
  ResetEntryState();
  SetDisplayText(QStringLiteral("0"));
}

void TCalculator::SetDisplayText(const QString& Text) {
  ui.Edit1->setPlainText(Text);
  // Drawn now rather than with the rest of the window: the display is what the user waits for.
  ui.Edit1->repaint();
}

QString TCalculator::DisplayLine() const {
  return ui.Edit1->toPlainText().trimmed();
}

void TCalculator::ShowValue(Extended ShowVal) {
  ShowOnDisplay(DisplayText::General(ShowVal, Fs()), ShowVal);
  LastShown = ShowVal;
  UpdateDecimalHints();
}

void TCalculator::ShowError(const std::string& Error) {
  ShowMessageDlg(QString::fromStdString(Error));
}

void TCalculator::ReportSelStart(std::int32_t& SelStart) {
  // Lines are always appended at the end of the tape, so that is where the next one starts,
  // wherever the user has left the caret.
  SelStart = ui.RichEdit1->document()->characterCount() - 1;
}

void TCalculator::SupplyMemory(Extended& MemNum) {
  MemNum = Memory;
}

void TCalculator::RefreshStatusBar() {
  const TStatusInputs In{Memory,
                         HexMode,
                         CurrentEngine.DumbMath(),
                         CurrentEngine.TapeFormatMode(),
                         CurrentEngine.Digits(),
                         IsTapeHidden()};
  const TStatusTexts Texts = MakeStatusTexts(In, Fs());
  StatusPanels[0]->setText(QString::fromStdString(Texts.Memory));
  StatusPanels[1]->setText(QString::fromStdString(Texts.Precedence));
  if (Texts.TapeFormat) StatusPanels[2]->setText(QString::fromStdString(*Texts.TapeFormat));
}

bool TCalculator::IsTapeHidden() const {
  const QAction* HideTape = MenuItem("HideTape1");
  return HideTape && HideTape->isChecked();
}

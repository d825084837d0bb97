// The window's navigation and tape format commands: Back, Forward, a double-click on a number's
// line, the format and decimals buttons and menu choices, and the state they show: enabled
// commands, the format button's picture and hints, the radio check of the format in effect.
#include <QAction>
#include <QActionGroup>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>

#include "Calccode.h"
#include "Pictures.h"
#include "StatusTexts.h"
#include "TapeCodes.h"

namespace {

void SetToolTipIfChanged(QWidget* Widget, const QString& Text) {
  if (Widget && Widget->toolTip() != Text) Widget->setToolTip(Text);
}

}  // namespace

void TCalculator::PrevToolButtonClick() {
  Model.NavBack();
}

void TCalculator::NextToolButtonClick() {
  Model.NavForward();
}

void TCalculator::ToolButtonFormatClick() {
  Model.CycleTapeFormat();
}

void TCalculator::ToolButtonDecUpClick() {
  Model.MoreDecimals();
}

void TCalculator::ToolButtonDecDownClick() {
  Model.FewerDecimals();
}

void TCalculator::Exponent1Click(std::int32_t Format) {
  Model.SetTapeFormat(Format);
}

// A single click only places the caret, where Annotate puts its note; a double-click on a
// number's line picks that number, as a double-click opens a cell for editing.
void TCalculator::TapeDoubleClicked(std::int32_t Position) {
  Model.PickAt(Position);
}

bool TCalculator::IsTapeDoubleClick(QObject* Watched, QEvent* Event) const {
  return Watched == ui.RichEdit1->viewport() && Event->type() == QEvent::MouseButtonDblClick &&
         static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton;
}

void TCalculator::OnTapeDoubleClick(const QMouseEvent& Event) {
  const auto Position = static_cast<std::int32_t>(
      ui.RichEdit1->cursorForPosition(Event.position().toPoint()).position());
  // After the tape has handled the double-click itself and selected its word, so that the
  // pick's highlight is the one that stays.
  QTimer::singleShot(
      0, this, [this, Position] { RunCommand([this, Position] { TapeDoubleClicked(Position); }); });
}

void TCalculator::UpdateNavigationButtons() {
  const struct {
    QToolButton* Button;
    QAction* MenuItem;
    bool Enabled;
  } Commands[] = {{ToolButtons.Prev, PreviousEnteredNumber1, Model.CanGoBack()},
                  {ToolButtons.Next, NextEnteredNumber1, Model.CanGoForward()},
                  {ToolButtons.Recalc, nullptr, Model.CanReplay()}};
  for (const auto& C : Commands) {
    if (C.Button) C.Button->setEnabled(C.Enabled);
    if (C.MenuItem) C.MenuItem->setEnabled(C.Enabled);
  }
}

void TCalculator::UpdateFormatHints() {
  const std::int32_t Format = CurrentEngine.TapeFormatMode();
  const bool Known = Format >= TapeFormat::General && Format <= TapeFormat::Fixed;
  if (Known && Format != FormatShown) {
    FormatShown = Format;
    if (ToolButtons.Format) ToolButtons.Format->setIcon(Pictures::ToolImage(5 + Format));
    FormatChoices->actions()[Format - 1]->setChecked(true);
  }
  SetToolTipIfChanged(ToolButtons.Format, QString::fromStdString(TapeFormatHint(Format)));
  const bool WithDecimals = Format == TapeFormat::Scientific || Format == TapeFormat::Fixed;
  for (QToolButton* Button : {ToolButtons.DecUp, ToolButtons.DecDown})
    if (Button) Button->setEnabled(WithDecimals);
}

void TCalculator::UpdateDecimalHints() {
  const QString Hint =
      QString::fromStdString(DecimalHint(CurrentEngine.TapeFormatMode(), CurrentEngine.Digits(),
                                         Model.LastShown(), Model.NumberFormat()));
  for (QToolButton* Button : {ToolButtons.DecUp, ToolButtons.DecDown})
    SetToolTipIfChanged(Button, Hint);
}

// The View and Help commands of TCalculator that change the window itself: tool bar, status
// bar, zoom, Always On Top, the About box and Exit.
#include <QAction>
#include <QWindow>

#include "About.h"
#include "Calccode.h"
#include "UnitOptions.h"

// The toggles' check marks follow their preference; a click has already moved the mark.
void TCalculator::ViewToolBarClick() {
  CalcSettings.ToolBar = !CalcSettings.ToolBar;
  MenuItem("ViewToolBar")->setChecked(CalcSettings.ToolBar);
  ArrangeWindow();
}

void TCalculator::ViewStatusBarClick() {
  CalcSettings.StatusBar = !CalcSettings.StatusBar;
  MenuItem("ViewStatusBar")->setChecked(CalcSettings.StatusBar);
  ArrangeWindow();
}

void TCalculator::SetZoom(bool Large) {
  CalcSettings.Large = Large;
  // The size in effect cannot be chosen again.
  MenuItem("NormalSize1")->setEnabled(Large);
  MenuItem("LargeSize2")->setEnabled(!Large);
  ArrangeWindow();
}

void TCalculator::NormalSize1Click() {
  SetZoom(false);
}

void TCalculator::LargeSize2Click() {
  SetZoom(true);
}

void TCalculator::AlwaysonTop1Click() {
  CalcSettings.OnTop = !CalcSettings.OnTop;
  MenuItem("AlwaysOnTop2")->setChecked(CalcSettings.OnTop);
  SetTopmost(CalcSettings.OnTop);
}

void TCalculator::SetTopmost(bool On) {
  // The platform moves the window into or out of the topmost band where it stands. Changing the
  // widget's own flags instead would re-create the window: hidden, re-shown, its focus lost.
  Qt::WindowFlags Flags = windowFlags();
  Flags.setFlag(Qt::WindowStaysOnTopHint, On);
  overrideWindowFlags(Flags);
  if (QWindow* Native = windowHandle()) Native->setFlags(Flags);
}

void TCalculator::About1Click() {
  // The dialogs are made when first opened, so they cost the start of the program nothing.
  if (!Form1) Form1 = new TForm1(this);
  WithTopmostLowered([this] { return ExecDialog(*Form1); });
}

void TCalculator::MoreOptions1Click() {
  if (!Options)
    Options = new TFormOptions(
        CalcSettings, [this](const QString& Text) { ShowMessageDlg(Text); },
        [this](const QColor& Initial) { return PickColor(Initial); }, this);
  Options->SetNumberFormat(Model.NumberFormat());
  if (ExecDialog(*Options) != QDialog::Accepted) return;
  // The dialog has written the record; the engines, the tax keys, the hints and the status
  // bar follow it. Lines already on the tape keep their look.
  Model.ApplySettings();
  CaptionTaxKeys();
  StateChanged();
}

void TCalculator::Exit2Click() {
  close();
}

// The View and Help commands of TCalculator that change the window itself: tool bar, status
// bar, zoom, Always On Top, the About box and Exit.
#include <QAction>
#include <QWindow>

#include "About.h"
#include "Calccode.h"

void TCalculator::ViewToolBarClick() {
  // The item has already toggled its own check mark.
  ArrangeWindow();
}

void TCalculator::ViewStatusBarClick() {
  ArrangeWindow();
}

void TCalculator::NormalSize1Click() {
  CalcSettings.Large = false;
  MenuItem("NormalSize1")->setEnabled(false);
  MenuItem("LargeSize2")->setEnabled(true);
  ArrangeWindow();
}

void TCalculator::LargeSize2Click() {
  CalcSettings.Large = true;
  MenuItem("LargeSize2")->setEnabled(false);
  MenuItem("NormalSize1")->setEnabled(true);
  ArrangeWindow();
}

bool TCalculator::IsAlwaysOnTop() const {
  const QAction* OnTop = MenuItem("AlwaysOnTop2");
  return OnTop && OnTop->isChecked();
}

void TCalculator::AlwaysonTop1Click() {
  SetTopmost(IsAlwaysOnTop());
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
  // A topmost window would cover its own About box.
  const bool OnTop = IsAlwaysOnTop();
  if (OnTop) SetTopmost(false);
  ExecDialog(*Form1);
  if (OnTop) SetTopmost(true);
}

void TCalculator::Exit2Click() {
  close();
}

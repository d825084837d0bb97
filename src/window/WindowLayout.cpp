#include "WindowLayout.h"

#include <algorithm>
#include <cmath>

int ScaleRounded(int Value, TZoomRatio Ratio) {
  return static_cast<int>(std::lround(static_cast<double>(Value) * Ratio.Num / Ratio.Den));
}

int ScaleTruncated(int Value, TZoomRatio Ratio) {
  return Value * Ratio.Num / Ratio.Den;
}

TVerticalLayout ArrangeVertically(const TRegionHeights& H, bool ToolBarShown, bool StatusBarShown) {
  const int Bar = ToolBarShown ? H.ToolBar : 0;
  // Without the tool bar the function pad sits on the client's bottom edge and the tape runs
  // two pixels past it, as designed.
  const int Extra = ToolBarShown ? 0 : 2;
  TVerticalLayout L{};
  L.ClientHeight = Bar + H.Keypad + H.Display + H.FunctionPad + 10 - Extra;
  L.DisplayTop = Bar + 5;
  L.KeypadTop = Bar + H.Display + 7;
  L.FunctionPadTop = Bar + H.Display + H.Keypad + 8;
  L.TapeTop = Bar + 2;
  L.TapeHeight = H.Display + H.Keypad + H.FunctionPad + 6 + Extra;
  if (StatusBarShown) L.ClientHeight += H.StatusBar;
  return L;
}

THorizontalLayout ArrangeHorizontally(int TapeLeft, int SampleWidth, bool TapeHidden,
                                      int RegionsRight) {
  THorizontalLayout L{};
  if (TapeHidden) {
    L.OuterWidth = TapeLeft;
    L.ClientWidth = std::max(TapeLeft - SideFrames, RegionsRight);
    return L;
  }
  L.TapeWidth = SampleWidth + TapeMargin;
  L.OuterWidth = *L.TapeWidth + TapeLeft + SideFrames;
  L.ClientWidth = L.OuterWidth - SideFrames;
  return L;
}

// The arithmetic of the main window's arrangement: where the regions go for the current region
// heights and bar states, how wide the tape and the window are, and how the zoom scales a
// length. Plain functions, so every case can be checked without a window;
// TCalculator::ArrangeWindow applies them to the widgets.
#pragma once

#include <optional>

// The zoom ratio: Large Size multiplies by 4/3, Normal Size by 3/4.
struct TZoomRatio {
  int Num;
  int Den;
};
inline constexpr TZoomRatio LargeRatio{4, 3};
inline constexpr TZoomRatio NormalRatio{3, 4};

// A region's sizes, positions and font sizes: to the nearest integer.
int ScaleRounded(int Value, TZoomRatio Ratio);
// The tape's left edge and the status panels: truncated toward zero, so that Large Size and
// back may end a pixel short of where they started.
int ScaleTruncated(int Value, TZoomRatio Ratio);

struct TRegionHeights {
  int ToolBar = 34;
  int Display = 28;
  int Keypad = 141;
  int FunctionPad = 97;
  int StatusBar = 19;
};

// Tops within the client area, the area below the menu bar.
struct TVerticalLayout {
  int ClientHeight;
  int DisplayTop;
  int KeypadTop;
  int FunctionPadTop;
  int TapeTop;
  int TapeHeight;
};

TVerticalLayout ArrangeVertically(const TRegionHeights& Heights, bool ToolBarShown,
                                  bool StatusBarShown);

// The tape is as wide as this sample in the tape's font, plus a margin.
inline constexpr const char* TapeSampleText = "ZMI -5.20970799008685E-1088";
inline constexpr int TapeMargin = 20;
// The window's outer width counts its two 3-pixel side frames; the client area is the rest.
inline constexpr int SideFrames = 6;

struct THorizontalLayout {
  std::optional<int> TapeWidth;  // nothing: a hidden tape keeps the width it had
  int OuterWidth;
  int ClientWidth;
};

// RegionsRight is the right edge of the display, the keypad and the function pad: a window
// narrowed for a hidden tape never cuts into them.
THorizontalLayout ArrangeHorizontally(int TapeLeft, int SampleWidth, bool TapeHidden,
                                      int RegionsRight);

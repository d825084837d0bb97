// Zooming one region of the main window: the region's size, and the position, size and own font
// of every designed control inside it, scaled by the zoom ratio. Used by
// TCalculator::ArrangeWindow for the keypad, the function pad and the display.
#pragma once

#include "WindowLayout.h"

class QWidget;

// The region's left and top stay; controls placed by a layout follow their layout instead.
void ScaleRegion(QWidget& Region, TZoomRatio Ratio);

// A font that was set on the widget itself grows or shrinks with the ratio; an inherited one
// follows its parent.
void ScaleOwnFont(QWidget& Control, TZoomRatio Ratio);

// The Qt colour of a settings colour value: plain colours as they are, the desktop's system
// colours from a palette. Used wherever a stored colour is painted (the tape, the options
// dialog's colour boxes).
#pragma once

#include <QColor>
#include <QPalette>

#include "ColorText.h"

QColor ToQColor(TColor Color, const QPalette& Palette);

// With the application's palette.
QColor ToQColor(TColor Color);

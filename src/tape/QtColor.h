// The Qt colour of a settings colour value: plain colours as they are, the desktop's system
// colours from a palette. Used wherever a stored colour is painted (the tape, the options
// dialog's colour boxes).
#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

#include "ColorText.h"

QColor ToQColor(TColor Color, const QPalette& Palette);

// The tape is paper: a white sheet with black text whatever the desktop's theme, so that the
// line colours chosen in the options read the same on a dark desktop as on a light one. The
// rest of Desktop (the selection's highlight, the scroll bars) stays as it is.
QPalette PaperPalette(const QPalette& Desktop = QGuiApplication::palette());

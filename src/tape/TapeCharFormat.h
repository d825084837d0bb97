// The Qt character format of a tape line's style, for the window's tape routines that append
// lines and insert notes. Every property is set, so that new text never takes on the look of
// the text beside it.
#pragma once

#include <QPalette>
#include <QTextCharFormat>

#include "TapeLineStyle.h"

// System colours resolve against Palette: the tape's, which is paper.
QTextCharFormat TapeCharFormat(const TTapeLineStyle& Style, const QPalette& Palette);

#include "TapeCharFormat.h"

#include <QFont>

#include "QtColor.h"

QTextCharFormat TapeCharFormat(const TTapeLineStyle& Style, const QPalette& Palette) {
  QTextCharFormat Format;
  Format.setForeground(ToQColor(Style.Color, Palette));
  Format.setFontWeight(Style.Bold ? QFont::Bold : QFont::Normal);
  Format.setFontItalic(Style.Italic);
  Format.setFontUnderline(Style.Underline);
  return Format;
}

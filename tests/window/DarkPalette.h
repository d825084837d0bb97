// A dark desktop theme's palette, as a dark Fusion theme has it: the window tests and the
// probe's screenshots use the same one.
#pragma once

#include <QColor>
#include <QPalette>

inline QPalette DarkPalette() {
  QPalette Dark;
  Dark.setColor(QPalette::Window, QColor(45, 45, 48));
  Dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
  Dark.setColor(QPalette::Base, QColor(30, 30, 30));
  Dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
  Dark.setColor(QPalette::Text, QColor(230, 230, 230));
  Dark.setColor(QPalette::Button, QColor(60, 60, 64));
  Dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
  Dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
  Dark.setColor(QPalette::HighlightedText, Qt::white);
  Dark.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
  Dark.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
  return Dark;
}

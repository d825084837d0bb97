// The Qt colours of the settings' colour values and the Qt format of a tape line's style.
#include <gtest/gtest.h>

#include <QPalette>

#include "QtColor.h"
#include "TapeCharFormat.h"

namespace {

TEST(QtColor, PlainAndSystemColors) {
  QPalette Palette;
  Palette.setColor(QPalette::Active, QPalette::WindowText, QColor(1, 1, 1));
  Palette.setColor(QPalette::Active, QPalette::Base, QColor(2, 2, 2));
  Palette.setColor(QPalette::Active, QPalette::Button, QColor(3, 3, 3));
  Palette.setColor(QPalette::Active, QPalette::Highlight, QColor(4, 4, 4));
  Palette.setColor(QPalette::Disabled, QPalette::Text, QColor(5, 5, 5));
  Palette.setColor(QPalette::Active, QPalette::ToolTipBase, QColor(6, 6, 6));
  struct {
    TColor Value;
    QColor Want;
  } const Cases[] = {
      {0x0000FF, QColor(255, 0, 0)},          {0x336699, QColor(0x99, 0x66, 0x33)},
      {0x01336699, QColor(0x99, 0x66, 0x33)}, {0x80000008, QColor(1, 1, 1)},  // clWindowText
      {0x80000005, QColor(2, 2, 2)},                                          // clWindow
      {0x8000000F, QColor(3, 3, 3)},                                          // clBtnFace
      {0x8000000D, QColor(4, 4, 4)},                                          // clHighlight
      {0x80000011, QColor(5, 5, 5)},                                          // clGrayText
      {0x80000018, QColor(6, 6, 6)},                                          // clInfoBk
      {0x80000019, QColor(1, 1, 1)},  // no such system colour: window text
      {0x800000FF, QColor(1, 1, 1)},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(ColorText::Format(Case.Value));
    EXPECT_EQ(ToQColor(Case.Value, Palette), Case.Want);
  }
}

TEST(TapeCharFormat, SetsEveryProperty) {
  QPalette Palette;
  Palette.setColor(QPalette::Active, QPalette::WindowText, QColor(10, 20, 30));
  struct {
    TTapeLineStyle Style;
    QColor Color;
  } const Cases[] = {
      {{clRed, true, false, true}, QColor(255, 0, 0)},
      {{clWindowText}, QColor(10, 20, 30)},
      {{0x123456, false, true, false}, QColor(0x56, 0x34, 0x12)},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Color.name().toStdString());
    const QTextCharFormat Format = TapeCharFormat(Case.Style, Palette);
    EXPECT_EQ(Format.foreground().color(), Case.Color);
    ASSERT_TRUE(Format.hasProperty(QTextFormat::FontWeight));
    ASSERT_TRUE(Format.hasProperty(QTextFormat::FontItalic));
    ASSERT_TRUE(Format.hasProperty(QTextFormat::TextUnderlineStyle));
    EXPECT_EQ(Format.fontWeight(), Case.Style.Bold ? QFont::Bold : QFont::Normal);
    EXPECT_EQ(Format.fontItalic(), Case.Style.Italic);
    EXPECT_EQ(Format.fontUnderline(), Case.Style.Underline);
  }
}

}  // namespace

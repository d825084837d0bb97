#include "QtColor.h"

#include <QGuiApplication>
#include <iterator>

namespace {

struct TPaletteColor {
  QPalette::ColorGroup Group;
  QPalette::ColorRole Role;
};

// The palette colour that plays the part of each system colour index; unused indices show
// as window text.
constexpr TPaletteColor SystemColors[] = {
    {QPalette::Active, QPalette::Button},             // clScrollBar
    {QPalette::Active, QPalette::Window},             // clBackground
    {QPalette::Active, QPalette::Highlight},          // clActiveCaption
    {QPalette::Inactive, QPalette::Highlight},        // clInactiveCaption
    {QPalette::Active, QPalette::Window},             // clMenu
    {QPalette::Active, QPalette::Base},               // clWindow
    {QPalette::Active, QPalette::Shadow},             // clWindowFrame
    {QPalette::Active, QPalette::WindowText},         // clMenuText
    {QPalette::Active, QPalette::WindowText},         // clWindowText
    {QPalette::Active, QPalette::HighlightedText},    // clCaptionText
    {QPalette::Active, QPalette::Window},             // clActiveBorder
    {QPalette::Inactive, QPalette::Window},           // clInactiveBorder
    {QPalette::Active, QPalette::Dark},               // clAppWorkSpace
    {QPalette::Active, QPalette::Highlight},          // clHighlight
    {QPalette::Active, QPalette::HighlightedText},    // clHighlightText
    {QPalette::Active, QPalette::Button},             // clBtnFace
    {QPalette::Active, QPalette::Dark},               // clBtnShadow
    {QPalette::Disabled, QPalette::Text},             // clGrayText
    {QPalette::Active, QPalette::ButtonText},         // clBtnText
    {QPalette::Inactive, QPalette::HighlightedText},  // clInactiveCaptionText
    {QPalette::Active, QPalette::Light},              // clBtnHighlight
    {QPalette::Active, QPalette::Shadow},             // cl3DDkShadow
    {QPalette::Active, QPalette::Midlight},           // cl3DLight
    {QPalette::Active, QPalette::ToolTipText},        // clInfoText
    {QPalette::Active, QPalette::ToolTipBase},        // clInfoBk
    {QPalette::Active, QPalette::WindowText},         // unused index 25
    {QPalette::Active, QPalette::Link},               // clHotLight
    {QPalette::Active, QPalette::Highlight},          // clGradientActiveCaption
    {QPalette::Inactive, QPalette::Highlight},        // clGradientInactiveCaption
    {QPalette::Active, QPalette::Highlight},          // clMenuHighlight
    {QPalette::Active, QPalette::Window},             // clMenuBar
};

}  // namespace

QColor ToQColor(TColor Color, const QPalette& Palette) {
  if (ColorText::IsSystemColor(Color)) {
    const TColor Index = Color - SystemColorBase;
    const TPaletteColor Entry = Index < std::size(SystemColors)
                                    ? SystemColors[Index]
                                    : TPaletteColor{QPalette::Active, QPalette::WindowText};
    return Palette.color(Entry.Group, Entry.Role);
  }
  // Any other high byte adds nothing: the low three bytes are the red, green and blue.
  return QColor(static_cast<int>(Color & 0xFF), static_cast<int>((Color >> 8) & 0xFF),
                static_cast<int>((Color >> 16) & 0xFF));
}

QPalette PaperPalette(const QPalette& Desktop) {
  QPalette Paper = Desktop;
  for (const QPalette::ColorGroup Group :
       {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    Paper.setColor(Group, QPalette::Base, Qt::white);
    Paper.setColor(Group, QPalette::WindowText, Qt::black);
    Paper.setColor(Group, QPalette::Text, Group == QPalette::Disabled ? Qt::gray : Qt::black);
  }
  return Paper;
}

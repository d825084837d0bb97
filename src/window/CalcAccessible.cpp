// What a screen reader meets in TCalculator: a spoken name for every key, tab and region, the
// keyboard focus moving along the keypad in reading order. The display tells its value as its
// text, and the Equals and Recalc keys, which hold the focus, carry it as their description so
// that each new value is spoken; the tool buttons are named with the tool bar, the tax keys
// with their captions.
#include <QAbstractButton>
#include <QGroupBox>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <vector>

#include "Calccode.h"

namespace {

// The keys in reading order within their region: by row, then from the left.
std::vector<QWidget*> InReadingOrder(QWidget& Region) {
  std::vector<QWidget*> Keys;
  for (QAbstractButton* Key : Region.findChildren<QAbstractButton*>()) Keys.push_back(Key);
  const auto At = [&Region](const QWidget* Key) { return Key->mapTo(&Region, QPoint(0, 0)); };
  std::stable_sort(Keys.begin(), Keys.end(), [&](const QWidget* A, const QWidget* B) {
    const QPoint PA = At(A), PB = At(B);
    return PA.y() != PB.y() ? PA.y() < PB.y() : PA.x() < PB.x();
  });
  return Keys;
}

}  // namespace

void TCalculator::CreateAccessibility() {
  // clang-format off
  static const struct {
    const char* Control;
    const char* Name;
  } Names[] = {
    {"Edit1", QT_TRANSLATE_NOOP("TCalculator", "Display")},
    {"RichEdit1", QT_TRANSLATE_NOOP("TCalculator", "Tape")},
    {"Button1", "1"}, {"Button2", "2"}, {"Button3", "3"}, {"Button4", "4"}, {"Button5", "5"},
    {"Button6", "6"}, {"Button7", "7"}, {"Button8", "8"}, {"Button9", "9"}, {"Button10", "0"},
    {"Button17", QT_TRANSLATE_NOOP("TCalculator", "Decimal point")},
    {"ButtonPlusMinus", QT_TRANSLATE_NOOP("TCalculator", "Change sign")},
    {"Button11", QT_TRANSLATE_NOOP("TCalculator", "Plus")},
    {"Button12", QT_TRANSLATE_NOOP("TCalculator", "Minus")},
    {"Button13", QT_TRANSLATE_NOOP("TCalculator", "Multiply")},
    {"Button14", QT_TRANSLATE_NOOP("TCalculator", "Divide")},
    {"EqualsBitBtn", QT_TRANSLATE_NOOP("TCalculator", "Equals")},
    {"RecalcBitBtn", QT_TRANSLATE_NOOP("TCalculator", "Recalculate")},
    {"Button15", QT_TRANSLATE_NOOP("TCalculator", "Clear")},
    {"Button22", QT_TRANSLATE_NOOP("TCalculator", "Clear entry")},
    {"BackButton", QT_TRANSLATE_NOOP("TCalculator", "Backspace")},
    {"Button18", QT_TRANSLATE_NOOP("TCalculator", "Memory store")},
    {"Button19", QT_TRANSLATE_NOOP("TCalculator", "Memory add")},
    {"ButtonMemRecall", QT_TRANSLATE_NOOP("TCalculator", "Memory recall")},
    {"Button21", QT_TRANSLATE_NOOP("TCalculator", "Memory clear")},
    {"ButtonPercen", QT_TRANSLATE_NOOP("TCalculator", "Percent")},
    {"ButtonSqr", QT_TRANSLATE_NOOP("TCalculator", "Square")},
    {"ButtonpowerY", QT_TRANSLATE_NOOP("TCalculator", "Power")},
    {"ButtonExp", QT_TRANSLATE_NOOP("TCalculator", "Exponent")},
    {"ButtonRecip", QT_TRANSLATE_NOOP("TCalculator", "Reciprocal")},
    {"ButtonSqrt", QT_TRANSLATE_NOOP("TCalculator", "Square root")},
    {"ButtonYroot", QT_TRANSLATE_NOOP("TCalculator", "Root")},
    {"ButtonSin", QT_TRANSLATE_NOOP("TCalculator", "Sine")},
    {"ButtonCos", QT_TRANSLATE_NOOP("TCalculator", "Cosine")},
    {"ButtonTan", QT_TRANSLATE_NOOP("TCalculator", "Tangent")},
    {"ButtonAsin", QT_TRANSLATE_NOOP("TCalculator", "Arc sine")},
    {"ButtonAcos", QT_TRANSLATE_NOOP("TCalculator", "Arc cosine")},
    {"ButtonAtan", QT_TRANSLATE_NOOP("TCalculator", "Arc tangent")},
    {"ButtonPi", QT_TRANSLATE_NOOP("TCalculator", "Pi")},
    {"RadioGroupDegRadGrad", QT_TRANSLATE_NOOP("TCalculator", "Angle unit")},
    {"RadioDeg", QT_TRANSLATE_NOOP("TCalculator", "Degrees")},
    {"RadioRad", QT_TRANSLATE_NOOP("TCalculator", "Radians")},
    {"RadioGrad", QT_TRANSLATE_NOOP("TCalculator", "Gradians")},
    {"ButtonA", QT_TRANSLATE_NOOP("TCalculator", "Hex digit A")},
    {"ButtonB", QT_TRANSLATE_NOOP("TCalculator", "Hex digit B")},
    {"ButtonC", QT_TRANSLATE_NOOP("TCalculator", "Hex digit C")},
    {"ButtonD", QT_TRANSLATE_NOOP("TCalculator", "Hex digit D")},
    {"ButtonE", QT_TRANSLATE_NOOP("TCalculator", "Hex digit E")},
    {"ButtonF", QT_TRANSLATE_NOOP("TCalculator", "Hex digit F")},
    {"RadioGroupDecHex", QT_TRANSLATE_NOOP("TCalculator", "Number base")},
    {"RadioDec", QT_TRANSLATE_NOOP("TCalculator", "Decimal")},
    {"RadioHex", QT_TRANSLATE_NOOP("TCalculator", "Hexadecimal")},
    {"ButtonLog", QT_TRANSLATE_NOOP("TCalculator", "Common logarithm")},
    {"ButtonLn", QT_TRANSLATE_NOOP("TCalculator", "Natural logarithm")},
    {"ButtonInvLog", QT_TRANSLATE_NOOP("TCalculator", "Ten to the power")},
    {"ButtonInvLn", QT_TRANSLATE_NOOP("TCalculator", "e to the power")},
    {"PageControl1", QT_TRANSLATE_NOOP("TCalculator", "Functions")},
    {"ToolBar1", QT_TRANSLATE_NOOP("TCalculator", "Tool bar")},
    {"StatusBar1", QT_TRANSLATE_NOOP("TCalculator", "Status bar")},
  };
  static const char* const TabNames[] = {
    QT_TRANSLATE_NOOP("TCalculator", "Math functions"),
    QT_TRANSLATE_NOOP("TCalculator", "Trigonometry"),
    QT_TRANSLATE_NOOP("TCalculator", "Hexadecimal keys"),
    QT_TRANSLATE_NOOP("TCalculator", "Logarithms"),
    QT_TRANSLATE_NOOP("TCalculator", "Tax")};
  // clang-format on
  for (const auto& Row : Names) {
    if (auto* Control = findChild<QWidget*>(QLatin1String(Row.Control)))
      Control->setAccessibleName(tr(Row.Name));
  }
  ui.RichEdit1->setAccessibleDescription(
      tr("The calculation's numbers, results and notes, one to a line"));
  // The button Qt adds to the tool bar when the window is too narrow for all of its buttons.
  if (auto* More = ToolBar1->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
    More->setAccessibleName(tr("More tool buttons"));
  auto* Tabs = ui.PageControl1->findChild<QTabBar*>();
  for (int I = 0; I < Tabs->count() && I < static_cast<int>(std::size(TabNames)); ++I)
    Tabs->setAccessibleTabName(I, tr(TabNames[I]));

  // Tab goes from the display along the keypad's rows, through each function page in turn,
  // and ends on the tape.
  std::vector<QWidget*> Chain{ui.Edit1};
  for (QWidget* Key : InReadingOrder(*ui.BasicKeysPanel)) Chain.push_back(Key);
  Chain.push_back(ui.PageControl1);
  for (int I = 0; I < ui.PageControl1->count(); ++I)
    for (QWidget* Key : InReadingOrder(*ui.PageControl1->widget(I))) Chain.push_back(Key);
  Chain.push_back(ui.RichEdit1);
  for (std::size_t I = 1; I < Chain.size(); ++I) setTabOrder(Chain[I - 1], Chain[I]);
}

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
    {"Edit1", "Display"}, {"RichEdit1", "Tape"},
    {"Button1", "1"}, {"Button2", "2"}, {"Button3", "3"}, {"Button4", "4"},
    {"Button5", "5"}, {"Button6", "6"}, {"Button7", "7"}, {"Button8", "8"}, {"Button9", "9"},
    {"Button10", "0"}, {"Button17", "Decimal point"}, {"ButtonPlusMinus", "Change sign"},
    {"Button11", "Plus"}, {"Button12", "Minus"}, {"Button13", "Multiply"},
    {"Button14", "Divide"}, {"EqualsBitBtn", "Equals"}, {"RecalcBitBtn", "Recalculate"},
    {"Button15", "Clear"}, {"Button22", "Clear entry"}, {"BackButton", "Backspace"},
    {"Button18", "Memory store"}, {"Button19", "Memory add"},
    {"ButtonMemRecall", "Memory recall"}, {"Button21", "Memory clear"},
    {"ButtonPercen", "Percent"}, {"ButtonSqr", "Square"}, {"ButtonpowerY", "Power"},
    {"ButtonExp", "Exponent"}, {"ButtonRecip", "Reciprocal"}, {"ButtonSqrt", "Square root"},
    {"ButtonYroot", "Root"},
    {"ButtonSin", "Sine"}, {"ButtonCos", "Cosine"}, {"ButtonTan", "Tangent"},
    {"ButtonAsin", "Arc sine"}, {"ButtonAcos", "Arc cosine"}, {"ButtonAtan", "Arc tangent"},
    {"ButtonPi", "Pi"}, {"RadioGroupDegRadGrad", "Angle unit"}, {"RadioDeg", "Degrees"},
    {"RadioRad", "Radians"}, {"RadioGrad", "Gradians"},
    {"ButtonA", "Hex digit A"}, {"ButtonB", "Hex digit B"}, {"ButtonC", "Hex digit C"},
    {"ButtonD", "Hex digit D"}, {"ButtonE", "Hex digit E"}, {"ButtonF", "Hex digit F"},
    {"RadioGroupDecHex", "Number base"}, {"RadioDec", "Decimal"}, {"RadioHex", "Hexadecimal"},
    {"ButtonLog", "Common logarithm"}, {"ButtonLn", "Natural logarithm"},
    {"ButtonInvLog", "Ten to the power"}, {"ButtonInvLn", "e to the power"},
    {"PageControl1", "Functions"}, {"ToolBar1", "Tool bar"}, {"StatusBar1", "Status bar"},
  };
  static const char* const TabNames[] = {"Math functions", "Trigonometry", "Hexadecimal keys",
                                         "Logarithms", "Tax"};
  // clang-format on
  for (const auto& Row : Names) {
    if (auto* Control = findChild<QWidget*>(QLatin1String(Row.Control)))
      Control->setAccessibleName(QString::fromUtf8(Row.Name));
  }
  ui.RichEdit1->setAccessibleDescription(
      QStringLiteral("The calculation's numbers, results and notes, one to a line"));
  // The button Qt adds to the tool bar when the window is too narrow for all of its buttons.
  if (auto* More = ToolBar1->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
    More->setAccessibleName(tr("More tool buttons"));
  auto* Tabs = ui.PageControl1->findChild<QTabBar*>();
  for (int I = 0; I < Tabs->count() && I < static_cast<int>(std::size(TabNames)); ++I)
    Tabs->setAccessibleTabName(I, QLatin1String(TabNames[I]));

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

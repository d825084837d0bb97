// The main window's frame and layout for TCalculator: its border and fonts, and
// ArrangeWindow, which places the regions for the tool bar, status bar, zoom and tape settings
// and sizes the window around them.
#include <algorithm>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>

#include "Calccode.h"
#include "Pictures.h"
#include "RegionScale.h"
#include "WindowLayout.h"

namespace {

constexpr int ToolBarHeight = 34;

// The designed "MS Sans Serif" 8 pt: its successor where Windows has it, else DejaVu Sans.
QFont WindowFont() {
  QFont Font;
  Font.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans")});
  Font.setStyleHint(QFont::SansSerif);
  Font.setPointSize(8);
  return Font;
}

int RightEdge(const QWidget& W) {
  return W.x() + W.width();
}

}  // namespace

void TCalculator::CreateWindowFrame() {
  setWindowTitle(QStringLiteral("Veltrona"));
  // A fixed border with minimise and close buttons and no maximise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  const QFont Font = WindowFont();
  setFont(Font);
  // The zoomed regions carry fonts of their own, so that zooming them scales their captions.
  // The function pad's tabs have their own rule.
  ui.BasicKeysPanel->setFont(Font);
  ui.PageControl1->setFont(Font);
  ui.PageControl1->findChild<QTabBar*>()->setFont(Font);
  ui.StatusBar1->setFont(Font);
  // C has a red caption. A style sheet would give it a font of its own that the zoom would not
  // scale, so the colour comes from its palette.
  QPalette Red = ui.Button15->palette();
  Red.setColor(QPalette::ButtonText, Qt::red);
  ui.Button15->setPalette(Red);
  TapeLeft = ui.RichEdit1->x();
  LoadKeyPictures(CalcSettings.LargeApplied);
}

void TCalculator::LoadKeyPictures(bool Large) {
  const struct {
    QAbstractButton* Key;
    int Picture;
  } Keys[] = {{ui.ButtonSqrt, Pictures::SquareRoot},
              {ui.ButtonYroot, Pictures::YRoot},
              {ui.RecalcBitBtn, Pictures::Recalc},
              {ui.EqualsBitBtn, Pictures::Equals}};
  for (const auto& K : Keys) {
    K.Key->setIcon(QIcon());
    K.Key->setIcon(Pictures::KeyPicture(K.Picture));
    K.Key->setIconSize(Pictures::KeyPictureSize(Large));
  }
}

void TCalculator::ArrangeWindow() {
  const bool ToolBarShown = CalcSettings.ToolBar;
  const bool StatusBarShown = CalcSettings.StatusBar;
  ToolBar1->setVisible(ToolBarShown);
  ui.StatusBar1->setVisible(StatusBarShown);
  if (CalcSettings.LargeApplied != CalcSettings.Large) ChangeZoom();

  TRegionHeights Heights;
  Heights.ToolBar = ToolBarHeight;
  Heights.Display = ui.Edit1->height();
  Heights.Keypad = ui.BasicKeysPanel->height();
  Heights.FunctionPad = ui.PageControl1->height();
  Heights.StatusBar = ui.StatusBar1->minimumHeight();
  const TVerticalLayout V = ArrangeVertically(Heights, ToolBarShown, StatusBarShown);
  ui.Edit1->move(ui.Edit1->x(), V.DisplayTop);
  ui.BasicKeysPanel->move(ui.BasicKeysPanel->x(), V.KeypadTop);
  ui.PageControl1->move(ui.PageControl1->x(), V.FunctionPadTop);

  const int SampleWidth =
      QFontMetrics(ui.RichEdit1->font()).horizontalAdvance(QLatin1String(TapeSampleText));
  const int RegionsRight =
      std::max({RightEdge(*ui.Edit1), RightEdge(*ui.BasicKeysPanel), RightEdge(*ui.PageControl1)});
  const THorizontalLayout H =
      ArrangeHorizontally(TapeLeft, SampleWidth, CalcSettings.HideTape, RegionsRight);
  ui.RichEdit1->setGeometry(TapeLeft, V.TapeTop, H.TapeWidth.value_or(ui.RichEdit1->width()),
                            V.TapeHeight);

  // The client area is the central area and the status bar below it; the menu bar sits above.
  ToolBar1->setGeometry(0, 0, H.ClientWidth, ToolBarHeight);
  ui.ClientArea->setFixedSize(H.ClientWidth,
                              V.ClientHeight - (StatusBarShown ? Heights.StatusBar : 0));
  setFixedSize(H.ClientWidth, menuBar()->heightForWidth(H.ClientWidth) + V.ClientHeight);
  layout()->activate();
}

void TCalculator::ChangeZoom() {
  const bool ToLarge = CalcSettings.Large;
  const TZoomRatio Ratio = ToLarge ? LargeRatio : NormalRatio;
  ScaleRegion(*ui.BasicKeysPanel, Ratio);
  ScaleRegion(*ui.PageControl1, Ratio);
  ScaleRegion(*ui.Edit1, Ratio);
  ui.StatusBar1->setFixedHeight(ScaleRounded(ui.StatusBar1->minimumHeight(), Ratio));
  ScaleOwnFont(*ui.StatusBar1, Ratio);

  auto* Tabs = ui.PageControl1->findChild<QTabBar*>();
  QFont TabFont = Tabs->font();
  TabFont.setPointSize(TabFont.pointSize() + (ToLarge ? 2 : -2));
  TabFont.setBold(ToLarge);
  Tabs->setFont(TabFont);

  TapeLeft = ScaleTruncated(TapeLeft, Ratio);
  // The fourth panel keeps its width.
  for (std::size_t I = 0; I < 3; ++I)
    StatusPanels[I]->setFixedWidth(ScaleTruncated(StatusPanels[I]->minimumWidth(), Ratio));
  LoadKeyPictures(ToLarge);
  CalcSettings.LargeApplied = ToLarge;
}

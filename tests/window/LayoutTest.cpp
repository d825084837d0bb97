// The main window's arrangement: the layout arithmetic on its own, then the regions of a real
// window after the view commands, the zoom with its scaled keys and pictures, the hidden tape
// and the tape font.
#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <array>

#include "Pictures.h"
#include "WindowFixture.h"
#include "WindowLayout.h"

namespace {

struct TVerticalCase {
  const char* Name;
  TRegionHeights Heights;
  bool ToolBar, StatusBar;
  TVerticalLayout Expected;
};

const TRegionHeights Normal{};
const TRegionHeights Large{34, 37, 188, 129, 25};

const TVerticalCase VerticalCases[] = {
    {"defaults", Normal, true, true, {329, 39, 69, 211, 36, 272}},
    {"no tool bar", Normal, false, true, {293, 5, 35, 177, 2, 274}},
    {"no status bar", Normal, true, false, {310, 39, 69, 211, 36, 272}},
    {"no bars", Normal, false, false, {274, 5, 35, 177, 2, 274}},
    {"large", Large, true, true, {423, 39, 78, 267, 36, 360}},
    {"large, no tool bar", Large, false, true, {387, 5, 44, 233, 2, 362}},
};

TEST(WindowLayout, VerticalLayoutFollowsTheRegionsAndTheBars) {
  for (const TVerticalCase& Case : VerticalCases) {
    SCOPED_TRACE(Case.Name);
    const TVerticalLayout L = ArrangeVertically(Case.Heights, Case.ToolBar, Case.StatusBar);
    const TVerticalLayout& E = Case.Expected;
    EXPECT_EQ(L.ClientHeight, E.ClientHeight);
    EXPECT_EQ(L.DisplayTop, E.DisplayTop);
    EXPECT_EQ(L.KeypadTop, E.KeypadTop);
    EXPECT_EQ(L.FunctionPadTop, E.FunctionPadTop);
    EXPECT_EQ(L.TapeTop, E.TapeTop);
    EXPECT_EQ(L.TapeHeight, E.TapeHeight);
  }
}

TEST(WindowLayout, ZoomRoundsRegionsAndTruncatesTheTapeEdgeAndPanels) {
  const struct {
    int Value, Large, BackToNormal;
  } Rounded[] = {{233, 311, 233}, {141, 188, 141}, {238, 317, 238}, {28, 37, 28},
                 {97, 129, 97},   {19, 25, 19},    {8, 11, 8},      {35, 47, 35}};
  for (const auto& Row : Rounded) {
    SCOPED_TRACE(Row.Value);
    EXPECT_EQ(ScaleRounded(Row.Value, LargeRatio), Row.Large);
    EXPECT_EQ(ScaleRounded(Row.Large, NormalRatio), Row.BackToNormal);
  }
  const struct {
    int Value, Large, BackToNormal;
  } Truncated[] = {{242, 322, 241}, {150, 200, 150}, {100, 133, 99}, {90, 120, 90}};
  for (const auto& Row : Truncated) {
    SCOPED_TRACE(Row.Value);
    EXPECT_EQ(ScaleTruncated(Row.Value, LargeRatio), Row.Large);
    EXPECT_EQ(ScaleTruncated(Row.Large, NormalRatio), Row.BackToNormal);
  }
}

TEST(WindowLayout, TapeAndWindowWidths) {
  const THorizontalLayout Shown = ArrangeHorizontally(242, 121, false, 238);
  EXPECT_EQ(Shown.TapeWidth, 141);
  EXPECT_EQ(Shown.OuterWidth, 389);
  EXPECT_EQ(Shown.ClientWidth, 383) << "the tape ends at the client's right edge";

  const THorizontalLayout Hidden = ArrangeHorizontally(242, 121, true, 230);
  EXPECT_FALSE(Hidden.TapeWidth) << "a hidden tape keeps its width";
  EXPECT_EQ(Hidden.OuterWidth, 242);
  EXPECT_EQ(Hidden.ClientWidth, 236);

  EXPECT_EQ(ArrangeHorizontally(242, 121, true, 238).ClientWidth, 238)
      << "the window never cuts into the display or the function pad";
}

// A window's regions as a user sees them, in client-area pixels (below the menu bar).
struct TSeen {
  int ClientHeight, DisplayTop, KeypadTop, FunctionPadTop, TapeTop, TapeHeight, TapeLeft;
  std::array<int, 4> Panels;
};

struct TArrangeCase {
  const char* Name;
  std::vector<const char*> Items;  // View menu items chosen in this order
  TSeen Expected;
};

const TArrangeCase ArrangeCases[] = {
    {"defaults", {}, {329, 39, 69, 211, 36, 272, 242, {150, 100, 90, 50}}},
    {"tool bar hidden", {"ViewToolBar"}, {293, 5, 35, 177, 2, 274, 242, {150, 100, 90, 50}}},
    {"status bar hidden", {"ViewStatusBar"}, {310, 39, 69, 211, 36, 272, 242, {150, 100, 90, 50}}},
    {"both hidden",
     {"ViewToolBar", "ViewStatusBar"},
     {274, 5, 35, 177, 2, 274, 242, {150, 100, 90, 50}}},
    {"both hidden and shown again",
     {"ViewToolBar", "ViewStatusBar", "ViewStatusBar", "ViewToolBar"},
     {329, 39, 69, 211, 36, 272, 242, {150, 100, 90, 50}}},
    {"large", {"LargeSize2"}, {423, 39, 78, 267, 36, 360, 322, {200, 133, 120, 50}}},
    {"large, tool bar hidden",
     {"LargeSize2", "ViewToolBar"},
     {387, 5, 44, 233, 2, 362, 322, {200, 133, 120, 50}}},
    {"large and back",
     {"LargeSize2", "NormalSize1"},
     {329, 39, 69, 211, 36, 272, 241, {150, 99, 90, 50}}},
    {"large and back twice",
     {"LargeSize2", "NormalSize1", "LargeSize2", "NormalSize1"},
     {329, 39, 69, 211, 36, 272, 240, {150, 99, 90, 50}}},
};

class LayoutTest : public WindowTest {
 protected:
  void Choose(const char* Item) {
    QAction* A = Widget<QAction>(Item);
    ASSERT_TRUE(A->isEnabled()) << Item;
    A->trigger();
  }

  TSeen Seen() {
    auto* StatusBar = Widget<QStatusBar>("StatusBar1");
    auto* Tape = Widget("RichEdit1");
    TSeen S{};
    S.ClientHeight =
        Widget("ClientArea")->height() + (StatusBar->isVisible() ? StatusBar->height() : 0);
    S.DisplayTop = Widget("Edit1")->y();
    S.KeypadTop = Widget("BasicKeysPanel")->y();
    S.FunctionPadTop = Widget("PageControl1")->y();
    S.TapeTop = Tape->y();
    S.TapeHeight = Tape->height();
    S.TapeLeft = Tape->x();
    for (int I = 0; I < 4; ++I)
      S.Panels[static_cast<std::size_t>(I)] =
          Widget<QLabel>(QStringLiteral("StatusPanel%1").arg(I + 1).toLatin1().constData())
              ->width();
    return S;
  }

  int SampleWidth() {
    return QFontMetrics(Widget("RichEdit1")->font())
        .horizontalAdvance(QLatin1String(TapeSampleText));
  }
};

TEST_F(LayoutTest, RegionsAfterViewCommands) {
  for (const TArrangeCase& Case : ArrangeCases) {
    SCOPED_TRACE(Case.Name);
    SetUp();  // a fresh window for every row
    for (const char* Item : Case.Items) Choose(Item);
    const TSeen S = Seen();
    const TSeen& E = Case.Expected;
    EXPECT_EQ(S.ClientHeight, E.ClientHeight);
    EXPECT_EQ(S.DisplayTop, E.DisplayTop);
    EXPECT_EQ(S.KeypadTop, E.KeypadTop);
    EXPECT_EQ(S.FunctionPadTop, E.FunctionPadTop);
    EXPECT_EQ(S.TapeTop, E.TapeTop);
    EXPECT_EQ(S.TapeHeight, E.TapeHeight);
    EXPECT_EQ(S.TapeLeft, E.TapeLeft);
    EXPECT_EQ(S.Panels, E.Panels);
    // The window is its menu bar and client area, with the tape flush with its right edge.
    EXPECT_EQ(Calc->height(), Calc->menuBar()->height() + S.ClientHeight);
    EXPECT_EQ(Widget("RichEdit1")->width(), SampleWidth() + TapeMargin);
    EXPECT_EQ(Calc->width(), S.TapeLeft + Widget("RichEdit1")->width());
    EXPECT_EQ(Calc->minimumSize(), Calc->maximumSize()) << "the window is not resizable";
    auto* LastPanel = Widget("StatusPanel4");
    EXPECT_LE(LastPanel->mapTo(Calc.get(), QPoint(LastPanel->width(), 0)).x(), Calc->width())
        << "the status panels fit inside the window";
    auto* Bar = Widget<QToolBar>("ToolBar1");
    EXPECT_EQ(Bar->isVisible(), Widget<QAction>("ViewToolBar")->isChecked());
    if (Bar->isVisible()) {
      EXPECT_EQ(Bar->geometry(), QRect(0, 0, Calc->width(), 34));
    }
    TearDown();
  }
}

TEST_F(LayoutTest, TheWindowIsFixedWithItsFontAndNoMaximiseButton) {
  EXPECT_EQ(Calc->windowTitle().toStdString(), "Veltrona");
  EXPECT_FALSE(Calc->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(Calc->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(Calc->windowFlags().testFlag(Qt::WindowCloseButtonHint));
  EXPECT_EQ(Calc->font().pointSize(), 8);
  EXPECT_EQ(Widget("Button7")->font().pointSize(), 8);
  EXPECT_EQ(Widget("Edit1")->geometry(), QRect(0, 39, 238, 28));
  EXPECT_EQ(Widget("BasicKeysPanel")->size(), QSize(233, 141));
  EXPECT_EQ(Widget("PageControl1")->size(), QSize(238, 97));
  EXPECT_EQ(Widget("ButtonTaxExcl")->property("hint").toString().toStdString(), "Tax");
  EXPECT_TRUE(Widget("ButtonTaxExcl")->toolTip().isEmpty()) << "its hint is not shown";
}

TEST_F(LayoutTest, LargeSizeScalesKeysFontsTabsAndPictures) {
  auto* Tabs = Widget<QTabWidget>("PageControl1")->findChild<QTabBar*>();
  struct TLook {
    QRect Key7, KeySqrt;
    int KeyPoints, DisplayPixels, TabPoints;
    bool TabBold;
    QSize Picture;
    int StatusHeight;
  };
  const auto Look = [&] {
    return TLook{Widget("Button7")->geometry(),
                 Widget("ButtonSqrt")->geometry(),
                 Widget("Button7")->font().pointSize(),
                 Widget("Edit1")->font().pixelSize(),
                 Tabs->font().pointSize(),
                 Tabs->font().bold(),
                 Widget<QAbstractButton>("ButtonSqrt")->iconSize(),
                 Widget("StatusBar1")->height()};
  };
  const TLook NormalLook = Look();
  EXPECT_EQ(NormalLook.Key7, QRect(4, 4, 35, 30));
  EXPECT_EQ(NormalLook.KeyPoints, 8);
  EXPECT_EQ(Widget("Button15")->font().pointSize(), 8);
  EXPECT_EQ(Widget("Button15")->palette().color(QPalette::ButtonText), QColor(Qt::red));
  EXPECT_EQ(NormalLook.DisplayPixels, 19);
  EXPECT_EQ(NormalLook.TabPoints, 8);
  EXPECT_FALSE(NormalLook.TabBold);
  EXPECT_EQ(NormalLook.Picture, Pictures::KeyPictureSize(false));
  EXPECT_EQ(NormalLook.StatusHeight, 19);

  Choose("LargeSize2");
  const TLook LargeLook = Look();
  EXPECT_EQ(LargeLook.Key7, QRect(5, 5, 47, 40));
  EXPECT_EQ(LargeLook.KeySqrt, QRect(56, 45, 47, 39));
  EXPECT_EQ(LargeLook.KeyPoints, 11);
  EXPECT_EQ(Widget("Button15")->font().pointSize(), 11) << "C grows with the other keys";
  EXPECT_EQ(LargeLook.DisplayPixels, 25);
  EXPECT_EQ(LargeLook.TabPoints, 10);
  EXPECT_TRUE(LargeLook.TabBold);
  EXPECT_EQ(LargeLook.Picture, Pictures::KeyPictureSize(true));
  EXPECT_EQ(LargeLook.StatusHeight, 25);
  EXPECT_EQ(Widget("Edit1")->size(), QSize(317, 37));
  EXPECT_EQ(Widget("BasicKeysPanel")->size(), QSize(311, 188));
  EXPECT_EQ(Widget("PageControl1")->size(), QSize(317, 129));
  EXPECT_EQ(Widget<QAbstractButton>("RecalcBitBtn")->iconSize(), Pictures::KeyPictureSize(true));

  Choose("NormalSize1");
  const TLook Back = Look();
  EXPECT_EQ(Back.Key7, NormalLook.Key7);
  EXPECT_EQ(Back.KeySqrt, NormalLook.KeySqrt);
  EXPECT_EQ(Back.KeyPoints, 8);
  EXPECT_EQ(Back.DisplayPixels, 19);
  EXPECT_EQ(Back.TabPoints, 8);
  EXPECT_FALSE(Back.TabBold);
  EXPECT_EQ(Back.Picture, Pictures::KeyPictureSize(false));
  EXPECT_EQ(Back.StatusHeight, 19);

  // The keys still work at either size.
  for (const char* Key : {"2", "+", "3", "="}) Press(Key);
  EXPECT_EQ(Display(), "5");
}

TEST_F(LayoutTest, HiddenTapeNarrowsTheWindowAndKeepsTheTapeWidth) {
  auto* Tape = Widget("RichEdit1");
  const int TapeWidth = Tape->width();
  const struct {
    const char* Name;
    const char* Zoom;  // nullptr: Normal Size
    int Width;
  } Rows[] = {{"normal", nullptr, 238}, {"large", "LargeSize2", 317}};
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Name);
    if (Row.Zoom) Choose(Row.Zoom);
    const int ShownWidth = Calc->width();
    Calc->CalcSettings.HideTape = true;
    Calc->ArrangeWindow();
    EXPECT_EQ(Calc->width(), Row.Width) << "the window ends where the tape begins, less its frames";
    EXPECT_GE(Tape->x(), Calc->width()) << "the tape lies beyond the right edge";
    EXPECT_EQ(Tape->width(), TapeWidth) << "a hidden tape keeps its width";
    Calc->CalcSettings.HideTape = false;
    Calc->ArrangeWindow();
    EXPECT_EQ(Calc->width(), ShownWidth);
    EXPECT_EQ(Tape->width(), SampleWidth() + TapeMargin);
  }
}

TEST_F(LayoutTest, LargerTapeFontWidensTapeAndWindow) {
  auto* Tape = Widget("RichEdit1");
  const int Before = Calc->width();
  QFont Font = Tape->font();
  Font.setPointSize(14);
  Tape->setFont(Font);
  Calc->ArrangeWindow();
  EXPECT_EQ(Tape->width(), SampleWidth() + TapeMargin);
  EXPECT_GT(Calc->width(), Before);
  EXPECT_EQ(Calc->width(), Tape->x() + Tape->width());
}

// Renders a picture and tells whether it drew anything.
bool Draws(const QIcon& Icon, QSize Size, qreal Scale) {
  const QPixmap Pixmap = Icon.pixmap(Size, Scale);
  if (Pixmap.isNull()) return false;
  if (Pixmap.size() != Size * Scale) return false;
  const QImage Image = Pixmap.toImage();
  for (int Y = 0; Y < Image.height(); ++Y)
    for (int X = 0; X < Image.width(); ++X)
      if (qAlpha(Image.pixel(X, Y)) > 0) return true;
  return false;
}

TEST(Pictures, EveryPictureDrawsAtEveryScale) {
  for (const qreal Scale : {1.0, 2.0}) {
    for (int I = 0; I < Pictures::ToolImageCount; ++I) {
      SCOPED_TRACE(testing::Message() << "tool image " << I << " at " << Scale);
      EXPECT_TRUE(Draws(Pictures::ToolImage(I), Pictures::ToolImageSize, Scale));
    }
    for (int I = 0; I < Pictures::KeyPictureCount; ++I) {
      for (const bool Large : {false, true}) {
        SCOPED_TRACE(testing::Message()
                     << "key picture " << I << (Large ? " large" : " small") << " at " << Scale);
        EXPECT_TRUE(Draws(Pictures::KeyPicture(I), Pictures::KeyPictureSize(Large), Scale));
      }
    }
  }
  EXPECT_TRUE(Pictures::ToolImage(Pictures::ToolImageCount).isNull());
  EXPECT_TRUE(Pictures::KeyPicture(-1).isNull());
}

}  // namespace

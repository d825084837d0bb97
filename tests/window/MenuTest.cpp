// The menu bar and the tool bar as designed, the short-cuts that reach the view commands, and
// the view commands themselves: Tool Bar, Status Bar, Zoom, Always On Top and Exit.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "WindowFixture.h"

namespace {

struct TItem {
  const char* Menu;
  const char* Name;
  const char* Caption;
  const char* ShortCut;  // "" when the item has none
  bool Required;         // its command exists already, so the item must be in its menu
};

// Every item in its designed place; the tape, clipboard, history and options commands come
// with their own parts of the window.
const TItem Items[] = {
    {"File1", "NewTape1", "&New Tape", "Ctrl+Shift+N", true},
    {"File1", "OpenTape1", "&Open Tape...", "Ctrl+Shift+O", true},
    {"File1", "RecentTapes1Item", "Rec&ent Tapes", "", true},
    {"File1", "ReopenLastTape1", "&Reopen Last Tape", "", true},
    {"File1", "SaveTape1", "&Save Tape", "Ctrl+Shift+S", true},
    {"File1", "SaveTapeAs1", "Save Tape As...", "", true},
    {"File1", "PageSetup1", "Page Se&tup...", "", true},
    {"File1", "PrintTape1", "&Print Tape", "", true},
    {"File1", "PrintPreview1", "Print Pre&view...", "", true},
    {"File1", "Exit2", "E&xit", "", true},
    {"Edit2", "Copy1", "&Copy", "Ctrl+C", true},
    {"Edit2", "Paste1", "&Paste", "Ctrl+V", true},
    {"Edit2", "SelectAll1", "Se&lect All", "Ctrl+A", true},
    {"Edit2", "CopyCalculation1", "Copy &Calculation", "", true},
    {"View1", "ViewToolBar", "&ToolBar", "", true},
    {"View1", "ViewStatusBar", "&Status Bar", "", true},
    {"View1", "AlwaysOnTop2", "&Always On Top", "", true},
    {"View1", "Zoom1Item", "&Zoom", "", true},
    {"View1", "PreviousEnteredNumber1", "&Back", "Alt+Left", false},
    {"View1", "NextEnteredNumber1", "&Forward", "Alt+Right", false},
    {"View1", "PrevCalculations1Item", "&History", "", false},
    {"Zoom1", "NormalSize1", "&Normal Size", "Ctrl+PgUp", true},
    {"Zoom1", "LargeSize2", "&Large Size ", "Ctrl+PgDown", true},
    {"Options1", "General1", "&General", "", false},
    {"Options1", "Exponent1", "&Scientific", "", false},
    {"Options1", "Currency1", "&Currency", "", false},
    {"Options1", "Fixed1", "F&ixed", "", false},
    {"Options1", "Annotate1", "&Annotate...", "", true},
    {"Options1", "TapeFont1", "Tape &Font...", "", true},
    {"Options1", "HideTape1", "&Hide Tape", "Ctrl+H", true},
    {"Options1", "ClearTape1", "Cle&ar Tape", "Ctrl+Del", true},
    {"Options2", "MoreOptions1", "Options...", "", false},
    {"Help1", "Help2", "&Help", "", true},
    {"Help1", "About1", "&About...", "", true},
};

const struct {
  const char* Name;
  const char* Caption;
} MenuBar[] = {{"File1", "&File"},    {"Edit2", "&Edit"},       {"View1", "&View"},
               {"Options1", "&Tape"}, {"Options2", "&Options"}, {"Help1", "&Help"}};

class MenuTest : public WindowTest {
 protected:
  QAction* Item(const char* Name) { return Widget<QAction>(Name); }
};

TEST_F(MenuTest, MenusHoldTheirItemsInTheDesignedOrder) {
  std::vector<std::string> Shown, ShownExpected;
  for (QAction* A : Calc->menuBar()->actions())
    if (A->isVisible()) Shown.push_back(A->text().toStdString());
  for (const auto& M : MenuBar) {
    auto* Menu = Widget<QMenu>(M.Name);
    if (Menu->menuAction()->isVisible()) ShownExpected.push_back(M.Caption);
  }
  EXPECT_EQ(Shown, ShownExpected) << "menus in the designed order";
  for (const char* Always : {"&File", "&View", "&Help"})
    EXPECT_NE(std::find(Shown.begin(), Shown.end(), Always), Shown.end()) << Always;

  for (const auto& M : MenuBar) {
    SCOPED_TRACE(M.Name);
    auto* Menu = Widget<QMenu>(M.Name);
    std::vector<std::string> Placed, Designed;
    for (QAction* A : Menu->actions())
      if (!A->isSeparator() && A->isVisible()) Placed.push_back(A->objectName().toStdString());
    for (const TItem& I : Items) {
      if (std::string(I.Menu) != M.Name) continue;
      auto* A = Widget<QAction>(I.Name);
      const bool InMenu = A && Menu->actions().contains(A) && A->isVisible();
      if (I.Required) {
        EXPECT_TRUE(InMenu) << I.Name;
      }
      if (!InMenu) continue;
      Designed.push_back(I.Name);
      EXPECT_EQ(A->text().toStdString(), I.Caption) << I.Name;
      EXPECT_EQ(A->shortcut().toString().toStdString(), I.ShortCut) << I.Name;
    }
    EXPECT_EQ(Placed, Designed);
  }
  EXPECT_TRUE(Item("ViewToolBar")->isChecked());
  EXPECT_TRUE(Item("ViewStatusBar")->isChecked());
  EXPECT_FALSE(Item("AlwaysOnTop2")->isChecked());
}

TEST_F(MenuTest, ZoomShortCutsReachOnlyTheSizeNotInEffect) {
  EXPECT_FALSE(Item("NormalSize1")->isEnabled()) << "Normal Size is in effect at start";
  EXPECT_TRUE(Item("LargeSize2")->isEnabled());
  const struct {
    const char* Key;
    int TapeLeft;
    bool NormalEnabled, LargeEnabled;
  } Steps[] = {
      {"<Ctrl+PgUp>", 242, false, true},  // the size in effect: nothing happens
      {"<Ctrl+PgDown>", 322, true, false},
      {"<Ctrl+PgDown>", 322, true, false},  // nothing happens
      {"<Ctrl+PgUp>", 241, false, true},
  };
  auto* Tape = Widget("RichEdit1");
  for (const auto& Step : Steps) {
    SCOPED_TRACE(Step.Key);
    Press(Step.Key);
    EXPECT_EQ(Tape->x(), Step.TapeLeft);
    EXPECT_EQ(Item("NormalSize1")->isEnabled(), Step.NormalEnabled);
    EXPECT_EQ(Item("LargeSize2")->isEnabled(), Step.LargeEnabled);
    EXPECT_EQ(Calc->CalcSettings.Large, Calc->CalcSettings.LargeApplied);
    EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn")) << "Enter still presses Equals";
  }
}

TEST_F(MenuTest, ToolBarAndStatusBarToggleWithTheirCheckMarks) {
  const struct {
    const char* Item;
    const char* Bar;
    int Margin;  // without the tool bar the regions also close up by two pixels
  } Bars[] = {{"ViewToolBar", "ToolBar1", 2}, {"ViewStatusBar", "StatusBar1", 0}};
  for (const auto& B : Bars) {
    SCOPED_TRACE(B.Item);
    const int Height = Calc->height();
    const int BarHeight = Widget(B.Bar)->height();
    Item(B.Item)->trigger();
    EXPECT_FALSE(Item(B.Item)->isChecked());
    EXPECT_FALSE(Widget(B.Bar)->isVisible());
    EXPECT_EQ(Calc->height(), Height - BarHeight - B.Margin) << "the window shrinks by the bar";
    Item(B.Item)->trigger();
    EXPECT_TRUE(Item(B.Item)->isChecked());
    EXPECT_TRUE(Widget(B.Bar)->isVisible());
    EXPECT_EQ(Calc->height(), Height);
  }
}

TEST_F(MenuTest, AlwaysOnTopKeepsTheWindowWhereItIsAndWhatItShows) {
  for (const char* Key : {"1", "2"}) Press(Key);
  const QRect Where = Calc->geometry();
  for (const bool On : {true, false}) {
    SCOPED_TRACE(On);
    Item("AlwaysOnTop2")->trigger();
    EXPECT_EQ(Item("AlwaysOnTop2")->isChecked(), On);
    EXPECT_EQ(Calc->windowFlags().testFlag(Qt::WindowStaysOnTopHint), On);
    EXPECT_TRUE(Calc->isVisible());
    EXPECT_EQ(Calc->geometry(), Where);
    EXPECT_EQ(Display(), "12") << "stepping into the topmost band is no new start";
    EXPECT_TRUE(Calc->isActiveWindow());
    EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn")) << "the keys keep working";
  }
  Press("3");
  EXPECT_EQ(Display(), "123");
}

TEST_F(MenuTest, MessageBoxesShowAboveATopmostWindow) {
  Item("AlwaysOnTop2")->trigger();
  TCalculator::TMessageDlg Record = Calc->MessageDlgOverride;
  bool TopmostDuringBox = true;
  Calc->MessageDlgOverride = [&](const QString& Text, QMessageBox::Icon Type,
                                 QMessageBox::StandardButtons Buttons) {
    TopmostDuringBox = Calc->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    return Record(Text, Type, Buttons);
  };
  for (const char* Key : {"5", "/", "0", "="}) Press(Key);
  ExpectedBoxes = {"Cannot Divide by Zero"};
  EXPECT_FALSE(TopmostDuringBox) << "the window leaves the topmost band while the box is open";
  EXPECT_TRUE(Calc->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "and returns to it";
  EXPECT_TRUE(Calc->isVisible());
}

TEST_F(MenuTest, ExitClosesTheWindow) {
  QGuiApplication::setQuitOnLastWindowClosed(false);
  Item("Exit2")->trigger();
  EXPECT_FALSE(Calc->isVisible());
}

// The tool bar's buttons in their designed order, images and hints; the ones whose commands
// come with the tape, navigation and history parts of the window are added by those.
const struct {
  const char* Name;
  const char* Hint;  // nullptr: set by the tape format commands
} ToolButtons[] = {
    {"PrevToolButton", "Back to Prev Number"},
    {"NextToolButton", "Forward to Next Number"},
    {"RecalcToolButton", "Replay Calculation"},
    {"ShowToolButton", "Hide Tape"},
    {"EraseToolButton", "Clear Tape"},
    {"ToolButtonAnnot", "Annotate Tape"},
    {"ToolButtonFormat", nullptr},
    {"ToolButtonDecUp", nullptr},
    {"ToolButtonDecDown", nullptr},
    {"ToolButtonPrevEqu", "History"},
};

TEST_F(MenuTest, ToolBarButtonsInTheirDesignedOrder) {
  auto* Bar = Widget<QToolBar>("ToolBar1");
  std::vector<std::string> Placed, Designed;
  for (QAction* A : Bar->actions())
    if (QWidget* W = Bar->widgetForAction(A); W && !A->isSeparator())
      Placed.push_back(W->objectName().toStdString());
  for (const auto& T : ToolButtons) {
    auto* Button = Bar->findChild<QToolButton*>(QLatin1String(T.Name));
    if (!Button) continue;
    SCOPED_TRACE(T.Name);
    Designed.push_back(T.Name);
    EXPECT_EQ(Button->size(), QSize(31, 30));
    EXPECT_FALSE(Button->icon().isNull());
    if (T.Hint) {
      EXPECT_EQ(Button->toolTip().toStdString(), T.Hint);
    }
  }
  EXPECT_EQ(Placed, Designed);
  EXPECT_NE(std::find(Placed.begin(), Placed.end(), "RecalcToolButton"), Placed.end());
}

TEST_F(MenuTest, ToolButtonsReachTheirCommands) {
  using Lines = std::vector<std::string>;
  const struct {
    const char* Button;
    Lines Tape;
    const char* Dialog;  // the dialog the button opens, nullptr: none
  } Rows[] = {
      {"RecalcToolButton", {"  1", "+ 2", "= 3", "------------", "  1", "+ 2", "= 3"}, nullptr},
      {"EraseToolButton", {}, nullptr},
      {"ToolButtonAnnot", {"  1", "+ 2", "= 3"}, "Annotation"},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Button);
    SetUp();  // a fresh window for every row
    std::string Opened;
    Calc->DialogExecOverride = [&](QDialog& Dialog) {
      Opened = Dialog.windowTitle().toStdString();
      return int(QDialog::Rejected);
    };
    for (const char* Key : {"1", "+", "2", "="}) Press(Key);
    QTest::mouseClick(Widget<QToolButton>(Row.Button), Qt::LeftButton);
    EXPECT_EQ(TapeLines(), Row.Tape);
    EXPECT_EQ(Opened, Row.Dialog ? Row.Dialog : "");
    EXPECT_EQ(Display(), "3");
    EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn"));
    TearDown();
  }
}

}  // namespace

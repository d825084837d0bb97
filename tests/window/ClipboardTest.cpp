// Copy, Paste, Select All and Copy Calculation in a real window: what reaches the clipboard
// from the display and from a tape selection, numbers and columns pasted into a calculation,
// the Edit menu's and the pop-up menu's enable rules, and the pop-up menu standing in for the
// tape's and the display's own.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <algorithm>
#include <map>
#include <sstream>

#include "WindowFixture.h"

namespace {

using TLines = std::vector<std::string>;

class ClipboardTest : public WindowTest {
 protected:
  // Also for each row of a table: a fresh window and an empty clipboard.
  void SetUp() override {
    QGuiApplication::clipboard()->clear();
    Boxes.clear();
    ExpectedBoxes.clear();
    WindowTest::SetUp();
  }

  // Tokens as WindowTest::Press takes them; "{Page}" shows that page of the function pad.
  void Type(const std::string& Keys) {
    std::istringstream In(Keys);
    std::string Token;
    while (In >> Token) {
      if (Token.front() == '{') {
        auto* Pad = Widget<QTabWidget>("PageControl1");
        const int Index = Pad->indexOf(Widget(Token.substr(1, Token.size() - 2).c_str()));
        QTest::mouseClick(Pad->tabBar(), Qt::LeftButton, {},
                          Pad->tabBar()->tabRect(Index).center());
      } else {
        Press(Token);
      }
    }
  }

  static std::string Clipboard() { return QGuiApplication::clipboard()->text().toStdString(); }
  // The kinds of data on the clipboard: "text/plain" alone for plain text.
  static std::string ClipboardFormats() {
    const QMimeData* Data = QGuiApplication::clipboard()->mimeData();
    return Data ? Data->formats().join(u' ').toStdString() : std::string();
  }
  // Another program puts text on the clipboard, and the window is told.
  static void CopyElsewhere(const std::string& Text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(Text));
  }
  // The same without the clipboard's change signal, as when the desktop does not pass it on.
  static void CopyElsewhereUnnoticed(const std::string& Text) {
    const QSignalBlocker Quiet(QGuiApplication::clipboard());
    CopyElsewhere(Text);
  }

  QPlainTextEdit* Tape() { return Widget<QPlainTextEdit>("RichEdit1"); }

  // Selects tape line Line (from 0) as the user does: a click before it, a shift-click after.
  void SelectTapeLine(int Line) {
    const QTextBlock Block = Tape()->document()->findBlockByNumber(Line);
    QTextCursor At(Block);
    const QPoint Start = Tape()->cursorRect(At).center();
    At.movePosition(QTextCursor::EndOfBlock);
    const QPoint End = Tape()->cursorRect(At).center();
    QTest::mouseClick(Tape()->viewport(), Qt::LeftButton, {}, Start);
    QTest::mouseClick(Tape()->viewport(), Qt::LeftButton, Qt::ShiftModifier, End);
  }

  QMenu* EditMenu() { return Widget<QMenu>("Edit2"); }

  // Opens the Edit menu from the menu bar, as a click does, and reads which items it enables.
  std::map<std::string, bool> OpenEditMenu() {
    QMenuBar* Bar = Calc->menuBar();
    QTest::mouseClick(Bar, Qt::LeftButton, {},
                      Bar->actionGeometry(EditMenu()->menuAction()).center());
    EXPECT_TRUE(EditMenu()->isVisible());
    std::map<std::string, bool> Enabled;
    for (QAction* Item : EditMenu()->actions())
      if (!Item->isSeparator()) Enabled[Item->objectName().toStdString()] = Item->isEnabled();
    return Enabled;
  }
  void ChooseFromEditMenu(const char* Item) {
    OpenEditMenu();
    QTest::mouseClick(EditMenu(), Qt::LeftButton, {},
                      EditMenu()->actionGeometry(Widget<QAction>(Item)).center());
  }
  void CloseMenu(QMenu* Menu) {
    QTest::keyClick(Menu, Qt::Key_Escape);
    if (Menu->isVisible()) Menu->hide();
  }

  // The right mouse button on a control, as the platform reports it.
  QMenu* RightClick(QWidget* Control) {
    const QPoint Pos = Control->rect().center();
    QContextMenuEvent Event(QContextMenuEvent::Mouse, Pos, Control->mapToGlobal(Pos));
    QApplication::sendEvent(Control, &Event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }
  void ChooseFromPopup(QMenu* Menu, const char* Item) {
    QTest::mouseClick(Menu, Qt::LeftButton, {},
                      Menu->actionGeometry(Widget<QAction>(Item)).center());
  }
};

TEST_F(ClipboardTest, CopyWithNothingSelectedTakesTheDisplayAsPlainText) {
  const struct {
    const char* Keys;
    const char* Copied;
  } Rows[] = {
      {"1 2 . 5", "12.5"},
      {"1 + 2 =", "3"},
      {"1 / 3 =", "0.333333333333333"},
      {"{HexSheet} [RadioHex] [ButtonF] [ButtonF]", "000000000000000000FF"},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Keys);
    SetUp();
    Type(Row.Keys);
    Press("<Ctrl+C>");
    EXPECT_EQ(Clipboard(), Row.Copied);
    EXPECT_EQ(ClipboardFormats(), "text/plain");
    EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn")) << "Enter still presses Equals";
    TearDown();
  }
}

TEST_F(ClipboardTest, CopyTakesTheTapeSelectionAndSelectAllTheWholeTape) {
  Type("1 + 2 =");
  SelectTapeLine(1);
  ASSERT_EQ(FocusedControl(), Tape());
  Press("<Ctrl+C>");  // the tape has the focus and would copy rich text of its own
  EXPECT_EQ(Clipboard(), "+ 2");
  EXPECT_EQ(ClipboardFormats(), "text/plain");
  EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn"));
  // The desktop's other copy key, which no menu item carries, copies the same plain text.
  SelectTapeLine(2);
  QGuiApplication::clipboard()->clear();
  Press("<Ctrl+Ins>");
  EXPECT_EQ(Clipboard(), "= 3");
  EXPECT_EQ(ClipboardFormats(), "text/plain");

  // Select All selects the tape even from inside the display, and leaves the focus on the tape.
  QTest::mouseClick(Widget<QTextEdit>("Edit1")->viewport(), Qt::LeftButton);
  Press("<Ctrl+A>");
  EXPECT_EQ(FocusedControl(), Tape());
  EXPECT_EQ(Tape()->textCursor().selection().toPlainText().toStdString(), "  1\n+ 2\n= 3\n");
  EXPECT_FALSE(Widget<QTextEdit>("Edit1")->textCursor().hasSelection());
  Press("<Ctrl+C>");
  EXPECT_EQ(Clipboard(), "  1\n+ 2\n= 3\n");
  EXPECT_EQ(ClipboardFormats(), "text/plain");
}

TEST_F(ClipboardTest, PasteIntoACalculation) {
  const struct {
    const char* Before;
    const char* Text;
    const char* After;
    const char* Display;
    TLines Tape;
  } Rows[] = {
      {"5 +", "$1,234.50", "=", "1239.5", {"  5", "+ 1234.5", "= 1239.5"}},
      {"", "  1E3\n", "X 2 =", "2000", {"  1000", "* 2", "= 2000"}},
      {"7", "42", "9", "9", {}},  // it replaces the number being typed, and a digit replaces it
      {"1 + 2 =",
       "10",
       "+ 1 =",
       "11",
       {"  1", "+ 2", "= 3", "------------", "  10", "+ 1", "= 11"}},  // a new calculation
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(std::string(Row.Before) + " [" + Row.Text + "] " + Row.After);
    SetUp();
    Type(Row.Before);
    CopyElsewhere(Row.Text);
    Press("<Ctrl+V>");
    EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn"));
    Type(Row.After);
    EXPECT_EQ(Display(), Row.Display);
    EXPECT_EQ(TapeLines(), Row.Tape);
    TearDown();
  }
}

TEST_F(ClipboardTest, CopyThenPasteGivesBackTheSameNumber) {
  const char* const Modes[] = {"", "{HexSheet} [RadioHex]"};
  for (const char* Mode : Modes) {
    SCOPED_TRACE(Mode);
    SetUp();
    Type(std::string(Mode) + " 1 2 3 4 + 4 3 2 1 = +/-");
    const std::string Shown = Display();
    Press("<Ctrl+C>");
    Type("<Esc>");
    Press("<Ctrl+V>");
    EXPECT_EQ(Display(), Shown);
    Type("+ 1 =");
    EXPECT_NE(Display(), Shown) << "the pasted number took part in the calculation";
    TearDown();
  }
}

TEST_F(ClipboardTest, PasteIsEnabledWhileTheClipboardHoldsANumber) {
  EXPECT_TRUE(OpenEditMenu().at("Paste1")) << "nothing on the clipboard: the item stays on";
  CloseMenu(EditMenu());

  // A paste that finds no number changes nothing and turns the item off.
  Type("1 2");
  CopyElsewhereUnnoticed("letters");
  Press("<Ctrl+V>");
  EXPECT_EQ(Display(), "12");
  EXPECT_FALSE(Widget<QAction>("Paste1")->isEnabled());
  CopyElsewhereUnnoticed("42");
  Press("<Ctrl+V>");
  EXPECT_EQ(Display(), "12") << "the short-cut of a disabled item does nothing";
  EXPECT_TRUE(OpenEditMenu().at("Paste1")) << "opening the menu looks at the clipboard again";
  CloseMenu(EditMenu());
  Press("<Ctrl+V>");
  EXPECT_EQ(Display(), "42");

  // A number copied anywhere brings the item and its short-cut back without the menu.
  CopyElsewhere("no number");
  Press("<Ctrl+V>");
  EXPECT_EQ(Display(), "42");
  EXPECT_FALSE(Widget<QAction>("Paste1")->isEnabled());
  CopyElsewhere("7");
  EXPECT_TRUE(Widget<QAction>("Paste1")->isEnabled());
  Press("<Ctrl+V>");
  EXPECT_EQ(Display(), "7");
  Press("<Ctrl+C>");  // copying here is a change of the clipboard too
  CopyElsewhereUnnoticed("none");
  Press("<Ctrl+V>");
  ASSERT_FALSE(Widget<QAction>("Paste1")->isEnabled());
  Press("<Ctrl+C>");
  EXPECT_TRUE(Widget<QAction>("Paste1")->isEnabled());
  EXPECT_EQ(Clipboard(), "7");
  QGuiApplication::clipboard()->clear();
  EXPECT_TRUE(OpenEditMenu().at("Paste1")) << "an empty clipboard leaves the item as it was";
  CloseMenu(EditMenu());
}

TEST_F(ClipboardTest, EditMenuEnablesWhatIsPossible) {
  using TItems = std::map<std::string, bool>;
  const struct {
    const char* Keys;
    const char* Clipboard;
    TItems Enabled;
  } Rows[] = {
      {"",
       "",
       {{"Copy1", true}, {"Paste1", true}, {"SelectAll1", true}, {"CopyCalculation1", false}}},
      {"5",
       "abc",
       {{"Copy1", true}, {"Paste1", false}, {"SelectAll1", true}, {"CopyCalculation1", false}}},
      {"5 +",
       "1,234",
       {{"Copy1", true}, {"Paste1", true}, {"SelectAll1", true}, {"CopyCalculation1", false}}},
      {"5 + 3",
       "12\n30",
       {{"Copy1", true}, {"Paste1", true}, {"SelectAll1", true}, {"CopyCalculation1", true}}},
      {"1 + 2 =",
       "1,5",
       {{"Copy1", true}, {"Paste1", false}, {"SelectAll1", true}, {"CopyCalculation1", true}}},
      {"5 / 0 =",
       "",
       {{"Copy1", true}, {"Paste1", true}, {"SelectAll1", true}, {"CopyCalculation1", false}}},
  };
  for (const auto& Row : Rows) {
    SCOPED_TRACE(std::string(Row.Keys) + " [" + Row.Clipboard + "]");
    SetUp();
    if (std::string(Row.Keys) == "5 / 0 =") ExpectedBoxes = {"Cannot Divide by Zero"};
    Type(Row.Keys);
    CopyElsewhereUnnoticed(Row.Clipboard);
    EXPECT_EQ(OpenEditMenu(), Row.Enabled);
    CloseMenu(EditMenu());
    QMenu* Popup = RightClick(Tape()->viewport());
    ASSERT_NE(Popup, nullptr);
    EXPECT_EQ(Widget<QAction>("copy2")->isEnabled(), Row.Enabled.at("Copy1"));
    EXPECT_EQ(Widget<QAction>("Paste2")->isEnabled(), Row.Enabled.at("Paste1"));
    EXPECT_TRUE(Widget<QAction>("SelectAll2")->isEnabled());
    CloseMenu(Popup);
    TearDown();
  }
}

TEST_F(ClipboardTest, OnePopupMenuServesTheTapeTheDisplayAndTheWindow) {
  for (const char* Control : {"RichEdit1", "Edit1", "Button7"}) {
    SCOPED_TRACE(Control);
    QWidget* Target = Widget(Control);
    if (auto* Area = qobject_cast<QAbstractScrollArea*>(Target)) Target = Area->viewport();
    QMenu* Popup = RightClick(Target);
    ASSERT_NE(Popup, nullptr);
    EXPECT_EQ(Popup, Widget<QMenu>("PopupMenu1")) << "not the control's own context menu";
    std::vector<std::string> Items;
    for (QAction* Item : Popup->actions())
      Items.push_back(Item->objectName().toStdString() + " " + Item->text().toStdString());
    EXPECT_EQ(Items,
              (std::vector<std::string>{"copy2 &Copy", "Paste2 &Paste", "SelectAll2 &Select All"}));
    CloseMenu(Popup);
  }

  Type("6 X");
  CopyElsewhere("7");
  ChooseFromPopup(RightClick(Tape()->viewport()), "Paste2");
  EXPECT_EQ(Display(), "7");
  Type("=");
  ChooseFromPopup(RightClick(Widget("Button7")), "copy2");
  EXPECT_EQ(Clipboard(), "42");
  ChooseFromPopup(RightClick(Widget<QTextEdit>("Edit1")->viewport()), "SelectAll2");
  EXPECT_EQ(FocusedControl(), Tape());
  EXPECT_EQ(Tape()->textCursor().selection().toPlainText().toStdString(), "  6\n* 7\n= 42\n");
}

TEST_F(ClipboardTest, PastedColumnOfTenAmountsIsAddedUpOnTheTape) {
  CopyElsewhere(
      "$1,200.00\r\n$35.50\r\n$4.25\r\n$19.99\r\n$250.00\r\n"
      "-$60.00\r\n$7.01\r\n$1,000.00\r\n$0.25\r\n$3.00\r\n");
  Press("<Ctrl+V>");
  const TLines Tape = TapeLines();
  ASSERT_FALSE(Tape.empty());
  EXPECT_EQ(Tape.front(), "  1200");
  EXPECT_EQ(std::count_if(Tape.begin(), Tape.end(),
                          [](const std::string& L) { return L.starts_with("+ "); }),
            9);
  EXPECT_EQ(Tape.back(), "= 2460");
  EXPECT_EQ(Display(), "2460");
  EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn"));

  // Copy Calculation gives the whole of it back as one line.
  ChooseFromEditMenu("CopyCalculation1");
  EXPECT_EQ(Clipboard(), "1200 + 35.5 + 4.25 + 19.99 + 250 + -60 + 7.01 + 1000 + 0.25 + 3 = 2460");
}

TEST_F(ClipboardTest, ColumnWithLinesThatAreNoNumbersIsReportedAndNotEntered) {
  Type("1 + 2 =");
  CopyElsewhere("Amount\n12\n30\nn/a\n");
  EXPECT_TRUE(Widget<QAction>("Paste1")->isEnabled()) << "so that the box can say what is wrong";
  Press("<Ctrl+V>");
  ExpectedBoxes = {"Lines 1 and 4 of the pasted text are not numbers; nothing was entered."};
  EXPECT_EQ(TapeLines(), (TLines{"  1", "+ 2", "= 3"}));
  EXPECT_EQ(Display(), "3");
}

TEST_F(ClipboardTest, CopyCalculationGivesTheCalculationAsOneLine) {
  Type("1 2 + 3 0 + 7 . 5");
  ChooseFromEditMenu("CopyCalculation1");
  EXPECT_EQ(Clipboard(), "12 + 30 + 7.5 = 49.5") << "the current calculation, not yet ended";
  EXPECT_EQ(ClipboardFormats(), "text/plain");
  EXPECT_EQ(Display(), "7.5");
  Type("=");
  EXPECT_EQ(TapeLines().back(), "= 49.5") << "Copy Calculation leaves the tape alone";
  ChooseFromEditMenu("CopyCalculation1");
  EXPECT_EQ(Clipboard(), "12 + 30 + 7.5 = 49.5");
  EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn"));
}

}  // namespace

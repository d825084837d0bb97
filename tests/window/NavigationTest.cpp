// Back, Forward, a click and a double-click on the tape, Replay and the tape format commands in the
// real window: the highlight on the tape, the display's edit colour, the Recalc key in place of
// Equals, the enabled commands, the hints and the status bar.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <sstream>

#include "WindowFixture.h"

namespace {

class NavigationTest : public WindowTest {
 protected:
  QPlainTextEdit* Tape() { return Widget<QPlainTextEdit>("RichEdit1"); }
  std::string Highlighted() { return Tape()->textCursor().selectedText().toStdString(); }
  QColor DisplayColour() { return Widget("Edit1")->palette().color(QPalette::Text); }
  bool Enabled(const char* Name) {
    if (auto* Button = Calc->findChild<QToolButton*>(QLatin1String(Name)))
      return Button->isEnabled();
    return Widget<QAction>(Name)->isEnabled();
  }
  void Keys(const char* Text) {
    std::istringstream In(Text);
    std::string Key;
    while (In >> Key) Press(Key);
  }
  std::string ToolTip(const char* Name) { return Widget(Name)->toolTip().toStdString(); }
  std::string Panel3() { return Widget<QLabel>("StatusPanel3")->text().toStdString(); }

  // A click, or a double-click as the desktop delivers one, inside the last tape line that
  // holds Text.
  void ClickTapeLine(const char* Text, bool Double) {
    QPlainTextEdit* Pane = Tape();
    const int At = Pane->document()->toPlainText().lastIndexOf(QLatin1String(Text));
    ASSERT_GE(At, 0) << Text;
    QTextCursor Cursor(Pane->document());
    Cursor.setPosition(At + 1);
    const QPoint Point = Pane->cursorRect(Cursor).center();
    QTest::mousePress(Pane->viewport(), Qt::LeftButton, {}, Point);
    QTest::mouseRelease(Pane->viewport(), Qt::LeftButton, {}, Point);
    if (Double) {
      QTest::mousePress(Pane->viewport(), Qt::LeftButton, {}, Point);
      QTest::mouseDClick(Pane->viewport(), Qt::LeftButton, {}, Point);
      QTest::mouseRelease(Pane->viewport(), Qt::LeftButton, {}, Point);
    }
    QCoreApplication::processEvents();
  }

  void Annotate(const QString& Note) {
    Calc->DialogExecOverride = [&](QDialog& Dialog) {
      Dialog.findChild<QComboBox*>("NoteComboBox")->setEditText(Note);
      QTest::mouseClick(Dialog.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
      return Dialog.result();
    };
    Press("[ToolButtonAnnot]");
    Calc->DialogExecOverride = nullptr;
  }
};

TEST_F(NavigationTest, BackAndForwardPickNumbersInEditMode) {
  const QColor Lime(0, 255, 0), Aqua(0, 255, 255);
  EXPECT_EQ(DisplayColour(), Lime);
  for (const char* Name : {"PrevToolButton", "PreviousEnteredNumber1", "NextToolButton",
                           "NextEnteredNumber1", "RecalcToolButton"})
    EXPECT_FALSE(Enabled(Name)) << Name << " with an empty calculation";
  Press("<Alt+Left>");  // disabled: nothing happens
  EXPECT_EQ(Display(), "0");

  Keys("1 + 2 =");
  EXPECT_TRUE(Enabled("PrevToolButton"));
  EXPECT_TRUE(Enabled("PreviousEnteredNumber1"));
  EXPECT_FALSE(Enabled("NextToolButton"));
  EXPECT_TRUE(Enabled("RecalcToolButton"));

  Press("<Alt+Left>");
  EXPECT_EQ(Display(), "2");
  EXPECT_EQ(Highlighted(), "+ 2");
  EXPECT_EQ(DisplayColour(), Aqua);
  EXPECT_FALSE(Widget("EqualsBitBtn")->isVisible());
  EXPECT_TRUE(Widget("RecalcBitBtn")->isVisible());
  EXPECT_EQ(FocusedControl(), Widget("RecalcBitBtn"));

  Press("[PrevToolButton]");
  EXPECT_EQ(Display(), "1");
  EXPECT_EQ(Highlighted(), "  1");
  EXPECT_FALSE(Enabled("PrevToolButton"));
  EXPECT_TRUE(Enabled("NextEnteredNumber1"));
  Press("<Alt+Right>");
  EXPECT_EQ(Display(), "2");
  EXPECT_EQ(Highlighted(), "+ 2");

  Press("5");
  Press("<Enter>");  // the Recalc key: the whole calculation again below a separator
  EXPECT_EQ(Display(), "6");
  EXPECT_EQ(DisplayColour(), Lime);
  EXPECT_TRUE(Widget("EqualsBitBtn")->isVisible());
  EXPECT_FALSE(Widget("RecalcBitBtn")->isVisible());
  EXPECT_EQ(TapeLines(),
            (std::vector<std::string>{"  1", "+ 2", "= 3", "------------", "  1", "+ 5", "= 6"}));
}

TEST_F(NavigationTest, CorrectingACalculationByKeyboardAndByClickingTheTape) {
  Keys("1 2 + 3 0 + 7 . 5 =");
  Keys("<Alt+Left> <Alt+Left> 4 0 <Enter>");
  EXPECT_EQ(Display(), "59.5");
  const std::vector<std::string> Corrected = {"------------", "  12",  "+ 40",
                                              "{= 52}",       "+ 7.5", "= 59.5"};
  std::vector<std::string> Lines = TapeLines();
  ASSERT_GE(Lines.size(), Corrected.size());
  EXPECT_EQ(
      std::vector<std::string>(Lines.end() - static_cast<long>(Corrected.size()), Lines.end()),
      Corrected);

  // A double-click on the "+ 40" line picks that number as Back would.
  ClickTapeLine("+ 40", true);
  EXPECT_EQ(Display(), "40");
  EXPECT_EQ(Highlighted(), "+ 40");
  EXPECT_EQ(FocusedControl(), Widget("RecalcBitBtn"));
  Keys("3 0 <Enter>");
  EXPECT_EQ(TapeLines().back(), "= 49.5");
}

TEST_F(NavigationTest, ASingleClickOnlyPlacesTheNoteAndTheCalculationGoesOn) {
  const QColor Lime(0, 255, 0);
  Keys("1 + 2 + 3 =");
  ClickTapeLine("+ 2", false);
  EXPECT_EQ(Display(), "6");
  EXPECT_EQ(DisplayColour(), Lime);
  EXPECT_EQ(Highlighted(), "");
  Annotate(QStringLiteral("Fuel"));
  EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn")) << "after the Annotation dialog";
  for (const char* Key : {"'+'", "'4'", "'='"}) {
    Press(Key);
    EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn")) << Key;
  }
  EXPECT_EQ(Display(), "10");
  EXPECT_EQ(TapeLines(),
            (std::vector<std::string>{"  1", "Fuel", "+ 2", "{= 3}", "+ 3", "= 6", "+ 4", "= 10"}));
  // The numbers below the note are still found.
  Keys("<Alt+Left> <Alt+Left> <Alt+Left>");
  EXPECT_EQ(Display(), "2");
  EXPECT_EQ(Highlighted(), "+ 2");
}

TEST_F(NavigationTest, ADoubleClickPicksANumberOfTheCurrentCalculation) {
  const QColor Lime(0, 255, 0);
  Keys("1 + 2 + 3 =");
  ClickTapeLine("+ 2", true);
  EXPECT_EQ(Display(), "2");
  EXPECT_EQ(Highlighted(), "+ 2");
  EXPECT_EQ(FocusedControl(), Widget("RecalcBitBtn"));
  Press("<Enter>");
  EXPECT_EQ(Display(), "6");
  // A total is no number to pick: the calculation is left alone.
  ClickTapeLine("= 6", true);
  EXPECT_EQ(Display(), "6");
  EXPECT_EQ(DisplayColour(), Lime);
  EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn"));
}

// Only Tab moves the focus off the Equals key, or the Recalc key while a picked number is
// edited: not the arrows with any modifier, nor Back and Forward while there is nothing to pick.
TEST_F(NavigationTest, NavigationKeysKeepTheFocusOnTheDefaultKey) {
  const auto Expect = [this](const char* Key, const char* Default, const char* Shown) {
    Press(Key);
    EXPECT_EQ(FocusedControl(), Widget(Default)) << Key;
    EXPECT_EQ(Display(), Shown) << Key;
  };
  for (const char* Key : {"<Alt+Left>", "<Alt+Right>"}) Expect(Key, "EqualsBitBtn", "0");
  Keys("1 + 2");
  for (const char* Key : {"<Left>", "<Right>", "<Up>", "<Down>", "<Ctrl+Left>", "<Shift+Right>",
                          "<Alt+Up>", "<Num+Down>", "<Alt+Right>"})
    Expect(Key, "EqualsBitBtn", "2");
  Press("<Enter>");
  EXPECT_EQ(Display(), "3");
  Expect("<Alt+Left>", "RecalcBitBtn", "2");
  Expect("<Alt+Left>", "RecalcBitBtn", "1");
  ASSERT_FALSE(Enabled("PreviousEnteredNumber1"));
  for (const char* Key : {"<Alt+Left>", "<Left>", "<Num+Up>"}) Expect(Key, "RecalcBitBtn", "1");
  Expect("<Alt+Right>", "RecalcBitBtn", "2");
  ASSERT_FALSE(Enabled("NextEnteredNumber1"));
  Expect("<Alt+Right>", "RecalcBitBtn", "2");
  Press("<Space>");  // the Recalc key, not a memory key
  EXPECT_EQ(Calc->Model.Memory(), 0);
  EXPECT_EQ(TapeLines().back(), "= 3");
  EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn"));
}

TEST_F(NavigationTest, ClearTapeLeavesNoHighlightOnTheNewText) {
  Keys("1 + 2 =");
  Press("<Ctrl+Del>");
  Press("<Alt+Left>");  // the 2 is picked, but its line went with the tape
  EXPECT_EQ(Display(), "2");
  EXPECT_EQ(Highlighted(), "");
  Press("<Enter>");
  EXPECT_EQ(TapeLines(), (std::vector<std::string>{"------------", "  1", "+ 2", "= 3"}));
  Press("<Alt+Left>");  // the new lines are found again
  EXPECT_EQ(Highlighted(), "+ 2");
}

TEST_F(NavigationTest, TapeFormatAndDecimalsCommands) {
  EXPECT_EQ(ToolTip("ToolButtonFormat"), "Tape Format:General");
  EXPECT_FALSE(Enabled("ToolButtonDecUp"));
  EXPECT_EQ(ToolTip("ToolButtonDecUp"), "");
  EXPECT_TRUE(Widget<QAction>("General1")->isChecked());

  Keys("1 2 3 4 . 5 6 7 8 +");
  Press("[ToolButtonFormat]");
  EXPECT_EQ(ToolTip("ToolButtonFormat"), "Tape Format:Scientific");
  EXPECT_TRUE(Widget<QAction>("Exponent1")->isChecked());
  EXPECT_TRUE(Enabled("ToolButtonDecDown"));
  EXPECT_EQ(ToolTip("ToolButtonDecUp"), "Scientific: 1.23E+3");
  EXPECT_EQ(ToolTip("ToolButtonDecDown"), "Scientific: 1.23E+3");
  EXPECT_EQ(Panel3(), "Scient. (2)");
  Press("[ToolButtonDecUp]");
  EXPECT_EQ(ToolTip("ToolButtonDecUp"), "Scientific: 1.235E+3");
  EXPECT_EQ(Panel3(), "Scient. (3)");

  Widget<QAction>("Fixed1")->trigger();
  EXPECT_EQ(ToolTip("ToolButtonFormat"), "Tape Format:Fixed");
  EXPECT_EQ(ToolTip("ToolButtonDecUp"), "Fixed: 1,235.000");
  EXPECT_EQ(Panel3(), "Fixed (3)");
  Keys("1 =");
  EXPECT_EQ(TapeLines().back(), "= 1,235.568");
  EXPECT_EQ(Calc->CalcSettings.NumOpt, 4);
  EXPECT_EQ(Calc->CalcSettings.Digits, 3);

  Press("[ToolButtonFormat]");  // the cycle goes back to General
  EXPECT_TRUE(Widget<QAction>("General1")->isChecked());
  EXPECT_EQ(Panel3(), "General");
  EXPECT_FALSE(Enabled("ToolButtonDecUp"));
}

}  // namespace

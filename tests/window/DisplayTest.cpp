// The display's hexadecimal view, the status bar and the engine's events as the window
// handles them.
#include <cmath>
#include <limits>

#include <QLabel>

#include "WindowFixture.h"

namespace {

struct THexCase {
  Extended Value;
  const char* Display;
  bool TooLarge;
};

const THexCase HexCases[] = {
    {255, "000000000000000000FF", false},
    {-1, "-00000000000000000001", false},
    {2.9L, "00000000000000000002", false},
    {-2.9L, "-00000000000000000002", false},
    {9223372036854775807.0L, "00007FFFFFFFFFFFFFFF", false},
    {1E30L, "0", true},
    {-9223372036854775808.0L, "0", true},
    {std::numeric_limits<Extended>::quiet_NaN(), "0", true},
    {std::numeric_limits<Extended>::infinity(), "0", true},
};

TEST_F(WindowTest, HexadecimalDisplayOfEngineValues) {
  Calc->Model.SetHexMode(true);
  for (const THexCase& Case : HexCases) {
    SCOPED_TRACE(static_cast<double>(Case.Value));
    Press("1");  // a number is being typed
    Boxes.clear();
    Calc->CurrentEngine.OnVeltronaVal(Calc->CurrentEngine, Case.Value);
    EXPECT_EQ(Display(), Case.Display);
    if (Case.TooLarge) {
      EXPECT_EQ(Boxes, std::vector<std::string>{"Number too Large"});
      EXPECT_FALSE(Calc->Model.Input().Entering()) << "the entry state is reset";
    } else {
      EXPECT_TRUE(Boxes.empty());
      EXPECT_TRUE(Calc->Model.Input().Entering()) << "showing a value leaves the entry state alone";
    }
  }
  Boxes.clear();
}

TEST_F(WindowTest, DecimalDisplayOfEngineValueUsesFifteenDigits) {
  Calc->CurrentEngine.OnVeltronaVal(Calc->CurrentEngine, 1.0L / 3);
  EXPECT_EQ(Display(), "0.333333333333333");
  EXPECT_EQ(Calc->Model.LastShown(), 1.0L / 3);
}

TEST_F(WindowTest, EngineErrorsAndMessagesBecomeErrorBoxes) {
  TCalculator::TMessageDlg Record = Calc->MessageDlgOverride;
  QMessageBox::Icon Icon = QMessageBox::NoIcon;
  Calc->MessageDlgOverride = [&](const QString& Text, QMessageBox::Icon Type,
                                 QMessageBox::StandardButtons Buttons) {
    Icon = Type;
    EXPECT_EQ(Buttons, QMessageBox::Ok);
    return Record(Text, Type, Buttons);
  };
  Calc->CurrentEngine.OnVeltronaError(Calc->CurrentEngine, "Invalid Input");
  EXPECT_EQ(Icon, QMessageBox::Critical);
  Calc->CurrentEngine.OnVeltronaMessage(Calc->CurrentEngine, "Equation Limit Reached!");
  ExpectedBoxes = {"Invalid Input", "Equation Limit Reached!"};
}

TEST_F(WindowTest, EngineAsksForTheMemory) {
  Calc->Model.SetMemory(12.5L);
  Extended MemNum = 0;
  Calc->CurrentEngine.OnVeltronaGetMem(Calc->CurrentEngine, MemNum);
  EXPECT_EQ(MemNum, 12.5L);
}

TEST_F(WindowTest, TapeLinesAreRecordedWhereTheyStartWhereverTheCaretIs) {
  for (const char* Key : {"2", "+", "3", "="}) Press(Key);
  auto* Tape = Widget<QPlainTextEdit>("RichEdit1");
  const int End = Tape->document()->characterCount() - 1;
  QTextCursor Caret = Tape->textCursor();
  Caret.setPosition(1);
  Tape->setTextCursor(Caret);
  std::int32_t SelStart = -1;
  Calc->CurrentEngine.OnVeltronaSelStart(Calc->CurrentEngine, SelStart);
  EXPECT_EQ(SelStart, End);
}

TEST_F(WindowTest, TapeAndDisplayLook) {
  auto* Tape = Widget<QPlainTextEdit>("RichEdit1");
  auto* Edit1 = Widget<QTextEdit>("Edit1");
  EXPECT_TRUE(Tape->isReadOnly());
  EXPECT_EQ(Tape->document()->defaultTextOption().alignment(), Qt::AlignRight);
  EXPECT_EQ(Edit1->document()->defaultTextOption().alignment(), Qt::AlignRight);
  EXPECT_EQ(Edit1->palette().color(QPalette::Base), QColor(Qt::black));
  EXPECT_EQ(Edit1->palette().color(QPalette::Text), QColor(0, 255, 0));
  EXPECT_TRUE(Edit1->font().bold());
  EXPECT_EQ(Display(), "0");
  EXPECT_TRUE(Widget("EqualsBitBtn")->isVisible());
  EXPECT_FALSE(Widget("RecalcBitBtn")->isVisible());
  // As arranged at start: the regions below the tool bar, the tape as wide as its sample text.
  EXPECT_EQ(Widget("BasicKeysPanel")->geometry(), QRect(0, 69, 233, 141));
  EXPECT_EQ(Widget("PageControl1")->geometry(), QRect(0, 211, 238, 97));
  EXPECT_EQ(Edit1->geometry(), QRect(0, 39, 238, 28));
  EXPECT_EQ(Tape->geometry().topLeft(), QPoint(242, 36));
  EXPECT_EQ(Tape->height(), 272);
}

struct TPanelCase {
  Extended Memory;
  bool HexMode;
  bool DumbMath;
  int TapeFormatMode;
  int Digits;
  const char* Panel1;
  const char* Panel2;
  const char* Panel3;
};

const TPanelCase PanelCases[] = {
    {0, false, false, 1, 4, "", "Arithmetic", "General"},
    {12.5L, false, true, 2, 4, "Mem:12.5", "As Entered", "Scient. (4)"},
    {-10, true, false, 4, 0, "Mem: Hex -0000000000000000000A", "Arithmetic", "Fixed (0)"},
    {0, true, false, 3, 2, "", "Arithmetic", "Currency"},
    {1E30L, true, false, 7, 2, "Mem:1E30", "Arithmetic", "Currency"},  // 7: panel 3 kept
};

TEST_F(WindowTest, StatusBarFollowsMemoryModeAndTapeFormatAfterEachDigit) {
  for (const TPanelCase& Case : PanelCases) {
    SCOPED_TRACE(Case.Panel1);
    Calc->Model.SetMemory(Case.Memory);
    Calc->Model.SetHexMode(Case.HexMode);
    Calc->CurrentEngine.SetDumbMath(Case.DumbMath);
    Calc->CurrentEngine.SetTapeFormatMode(Case.TapeFormatMode);
    Calc->CurrentEngine.SetDigits(Case.Digits);
    Press("1");
    EXPECT_EQ(Widget<QLabel>("StatusPanel1")->text().toStdString(), Case.Panel1);
    EXPECT_EQ(Widget<QLabel>("StatusPanel2")->text().toStdString(), Case.Panel2);
    EXPECT_EQ(Widget<QLabel>("StatusPanel3")->text().toStdString(), Case.Panel3);
    EXPECT_EQ(Widget<QLabel>("StatusPanel4")->text().toStdString(), "");
  }
}

}  // namespace

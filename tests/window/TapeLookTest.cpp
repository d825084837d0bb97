// The tape as the user sees it: every line's text, colour and style, the notes written
// between lines through the Annotation dialog, and Clear Tape.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <sstream>

#include "WindowFixture.h"

namespace {

struct TBlock {
  std::string Text;
  QColor Color;
  bool Bold = false, Italic = false, Underline = false;
  bool operator==(const TBlock&) const = default;
};

std::ostream& operator<<(std::ostream& Out, const TBlock& B) {
  return Out << "{\"" << B.Text << "\" " << B.Color.name().toStdString() << (B.Bold ? " bold" : "")
             << (B.Italic ? " italic" : "") << (B.Underline ? " under" : "") << "}";
}

const QColor Plain = QGuiApplication::palette().color(QPalette::WindowText);
const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Green(0, 128, 0);

class TapeLookTest : public WindowTest {
 protected:
  void Type(const std::string& Keys) {
    std::istringstream In(Keys);
    std::string Token;
    while (In >> Token) Press(Token);
  }

  QPlainTextEdit* Tape() { return Widget<QPlainTextEdit>("RichEdit1"); }

  std::vector<TBlock> Blocks() {
    std::vector<TBlock> Result;
    for (QTextBlock B = Tape()->document()->begin(); B.isValid(); B = B.next()) {
      if (B.text().isEmpty()) continue;
      const QTextCharFormat F = B.begin().fragment().charFormat();
      Result.push_back({B.text().toStdString(), F.foreground().color(),
                        F.fontWeight() >= QFont::Bold, F.fontItalic(), F.fontUnderline()});
    }
    return Result;
  }

  // Opens Annotate; the dialog gets Text typed into its edit (or its list item Pick chosen)
  // and is closed with OK.
  void Annotate(const QString& Text, int Pick = -1) {
    Calc->DialogExecOverride = [&](QDialog& Dialog) {
      auto* Combo = Dialog.findChild<QComboBox*>("NoteComboBox");
      if (Pick >= 0) {
        Combo->setCurrentIndex(Pick);
      } else {
        Combo->lineEdit()->clear();
        QTest::keyClicks(Combo->lineEdit(), Text);
      }
      QTest::mouseClick(Dialog.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
      return Dialog.result();
    };
    Calc->findChild<QAction*>("Annotate1")->trigger();
    Calc->DialogExecOverride = nullptr;
  }

  // Clicks into the tape at the start of its line Index, as a user picks a line.
  void ClickLine(int Index) {
    QTextCursor Cursor(Tape()->document()->findBlockByNumber(Index));
    const QPoint At = Tape()->cursorRect(Cursor).center();
    QTest::mouseClick(Tape()->viewport(), Qt::LeftButton, {}, At);
  }

  std::string TextAt(int Start, int Length) {
    QTextCursor Cursor(Tape()->document());
    Cursor.setPosition(Start);
    Cursor.setPosition(Start + Length, QTextCursor::KeepAnchor);
    return Cursor.selectedText().toStdString();
  }
};

TEST_F(TapeLookTest, EachLineInTheLookOfItsKind) {
  struct TRow {
    const char* Keys;
    bool Bold, Under, Red;
    std::vector<TBlock> Blocks;
  } const Rows[] = {
      {"5 - 8 =",
       true,
       true,
       false,
       {{"  5", Plain}, {"- 8", Plain}, {"= -3", Plain, true, false, true}}},
      {"5 - 8 =",
       true,
       true,
       true,
       {{"  5", Plain}, {"- 8", Plain}, {"= -3", Red, true, false, true}}},
      {"8 - 5 =",
       true,
       false,
       true,
       {{"  8", Plain}, {"- 5", Plain}, {"= 3", Plain, true, false, false}}},
      {"5 +/- + 1 =", false, false, true, {{"  -5", Plain}, {"+ 1", Plain}, {"= -4", Red}}},
      {"5 +/- + 1 =",
       false,
       true,
       false,
       {{"  -5", Plain}, {"+ 1", Plain}, {"= -4", Plain, false, false, true}}},
      {"9 [ButtonSqrt] + 1 + 2 = 5",
       true,
       true,
       false,
       {{"  Sqrt(9)", Plain},
        {"[Sqrt(9) = 3]", Blue},
        {"{= 3}", Green},
        {"+ 1", Plain},
        {"{= 4}", Green},
        {"+ 2", Plain},
        {"= 6", Plain, true, false, true},
        {"------------", Plain}}},
  };
  for (const TRow& Row : Rows) {
    SCOPED_TRACE(Row.Keys);
    Calc->CalcSettings.TotalsBold = Row.Bold;
    Calc->CalcSettings.TotalsUnder = Row.Under;
    Calc->CalcSettings.TotalsRed = Row.Red;
    Type(Row.Keys);
    EXPECT_EQ(Blocks(), Row.Blocks);
    Type("<Esc> <Ctrl+Del>");
  }
}

TEST_F(TapeLookTest, ErrorLinesAreRed) {
  ExpectedBoxes = {"Cannot Divide by Zero"};
  Type("5 / 0 =");
  EXPECT_EQ(Blocks().front(), (TBlock{"Cannot Divide by Zero", Red}));
}

TEST_F(TapeLookTest, NotesGoAboveTheLineOfTheCaret) {
  Calc->CalcSettings.AnnotItalics = true;
  Type("2 + 3 =");
  ClickLine(1);
  Annotate("  Fuel  ");
  const std::vector<TBlock> Expected = {{"  2", Plain},
                                        {"  Fuel  ", Blue, false, true, false},
                                        {"+ 3", Plain},
                                        {"= 5", Plain, true, false, true}};
  EXPECT_EQ(Blocks(), Expected);
  // The number lines below the note are still found where they now are.
  const TVeltronaEval& Engine = Calc->CurrentEngine;
  EXPECT_EQ(TextAt(Engine.NavSelStart(), Engine.NavSelLength()), "+ 3");
  // New lines still go to the end; with the caret there, a note becomes the last line.
  Type("+ 1 =");
  Tape()->moveCursor(QTextCursor::End);
  Annotate("", 0);  // the note remembered without its blanks
  EXPECT_EQ(Blocks().back(), (TBlock{"Fuel", Blue, false, true, false}));
  EXPECT_EQ(Blocks()[Blocks().size() - 2].Text, "= 6");
}

TEST_F(TapeLookTest, NoteAboveTheFirstNumberKeepsEveryPosition) {
  Type("2 + 3 =");
  Tape()->moveCursor(QTextCursor::Start);
  Annotate("Opening");
  TVeltronaEval& Engine = Calc->CurrentEngine;
  ASSERT_TRUE(Engine.NavPrev());
  EXPECT_EQ(TextAt(Engine.NavSelStart(), Engine.NavSelLength()), "+ 3");
  ASSERT_TRUE(Engine.NavPrev());
  EXPECT_EQ(TextAt(Engine.NavSelStart(), Engine.NavSelLength()), "  2");
  // A line appended after a click into the tape still records its own place.
  ClickLine(0);
  Type("+ 4 =");
  ASSERT_TRUE(Engine.NavPrev());
  EXPECT_EQ(TextAt(Engine.NavSelStart(), Engine.NavSelLength()), "+ 4");
}

TEST_F(TapeLookTest, EmptyOrBlankNoteChangesNothing) {
  Type("2 + 3 =");
  const auto Before = Blocks();
  for (const char* Note : {"", "   "}) {
    SCOPED_TRACE(std::string("'") + Note + "'");
    Annotate(Note);
    EXPECT_EQ(Blocks(), Before);
  }
}

TEST_F(TapeLookTest, NoteOnAnEmptyTapeIsTheFirstLine) {
  Annotate("Budget");
  Type("7 =");
  EXPECT_EQ(Blocks().front(), (TBlock{"Budget", Blue}));
  EXPECT_EQ(Blocks()[1].Text, "  7");
}

TEST_F(TapeLookTest, ClearTapeLeavesTheCalculationAlone) {
  Type("2 + 3 =");
  Type("<Ctrl+Del>");
  EXPECT_TRUE(TapeLines().empty());
  EXPECT_EQ(Display(), "5");
  EXPECT_EQ(Calc->CurrentEngine.EquationText(), "2+3=");
  EXPECT_EQ(FocusedControl(), Widget("EqualsBitBtn"));
  // The pane stays right-aligned for what follows.
  Type("+ 1 =");
  EXPECT_EQ(Tape()->document()->begin().layout()->textOption().alignment() & Qt::AlignRight,
            Qt::AlignRight);
  EXPECT_EQ(TapeLines(), (std::vector<std::string>{"+ 1", "= 6"}));
}

// Counts the paint events a widget receives.
class TPaintCount : public QObject {
 public:
  explicit TPaintCount(QWidget* Target) { Target->installEventFilter(this); }
  int Count = 0;
  bool eventFilter(QObject*, QEvent* Event) override {
    if (Event->type() == QEvent::Paint) ++Count;
    return false;
  }
};

TEST_F(TapeLookTest, DisplayIsDrawnFirstAndTheTapeRightAfter) {
  Type("2 + 3");
  QTest::qWait(10);
  TPaintCount DisplayPaints(Widget("Edit1"));
  TPaintCount TapePaints(Tape()->viewport());
  Press("'='");
  EXPECT_GT(DisplayPaints.Count, 0);
  EXPECT_EQ(TapePaints.Count, 0);
  for (int Wait = 0; Wait < 100 && TapePaints.Count == 0; ++Wait) QTest::qWait(10);
  EXPECT_GT(TapePaints.Count, 0);
  EXPECT_TRUE(Tape()->updatesEnabled());
  EXPECT_EQ(TapeLines().back(), "= 5");
}

}  // namespace

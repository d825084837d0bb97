// Tape documents through the real File menu: a tape saved and opened again in a fresh window
// looks exactly as it did, and Back, a correction and Replay work on its calculation as they
// would have on the tape it was saved from; the title's name and change mark; the Save /
// Discard / Cancel question; a file that cannot be opened leaves the tape as it was.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QUrl>
#include <sstream>

#include "DataFolder.h"
#include "LongOperation.h"
#include "TapeDocument.h"
#include "TapeSession.h"
#include "WindowFixture.h"

namespace {

// What the user sees of a tape line: its text and look.
struct TSeenLine {
  std::string Text;
  std::string Colour;
  bool Bold, Italic, Underline;
  bool operator==(const TSeenLine&) const = default;
};

void PrintTo(const TSeenLine& Line, std::ostream* Out) {
  *Out << '"' << Line.Text << "\" " << Line.Colour << (Line.Bold ? " bold" : "")
       << (Line.Italic ? " italic" : "") << (Line.Underline ? " underline" : "");
}

class TapeDocumentTest : public WindowTest {
 protected:
  QString Path(const char* Name) const { return Dir.filePath(QLatin1String(Name)); }

  // Keys as Press takes them; "{Name}" triggers the menu item Name, "note:A_B" annotates the
  // tape with "A B".
  void Do(const std::string& Steps) {
    std::istringstream In(Steps);
    std::string Step;
    while (In >> Step) {
      if (Step.front() == '{') {
        Widget<QAction>(Step.substr(1, Step.size() - 2).c_str())->trigger();
      } else if (Step.starts_with("note:")) {
        QString Note = QString::fromStdString(Step.substr(5));
        Note.replace(u'_', u' ');
        Calc->DialogExecOverride = [&](QDialog& Dialog) {
          Dialog.findChild<QComboBox*>("NoteComboBox")->setEditText(Note);
          QTest::mouseClick(Dialog.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
          return Dialog.result();
        };
        Press("[ToolButtonAnnot]");
        Calc->DialogExecOverride = nullptr;
      } else {
        Press(Step);
      }
    }
    QCoreApplication::processEvents();
  }

  // A file dialog that chooses FileName (Cancel for an empty one), then the menu item.
  void ChooseFile(const char* Item, const QString& FileName) {
    Calc->DialogExecOverride = [&](QDialog& Dialog) {
      if (FileName.isEmpty()) return int(QDialog::Rejected);
      dynamic_cast<QFileDialog&>(Dialog).selectFile(FileName);
      return int(QDialog::Accepted);
    };
    Widget<QAction>(Item)->trigger();
    Calc->DialogExecOverride = nullptr;
    QCoreApplication::processEvents();
  }

  // Answers the next question boxes with Answer, counting them.
  void Answer(QMessageBox::StandardButton Reply) {
    Calc->MessageDlgOverride = [this, Reply](const QString& Text, QMessageBox::Icon,
                                             QMessageBox::StandardButtons Buttons) {
      Boxes.push_back(Text.toStdString());
      return Buttons.testFlag(Reply) ? Reply : QMessageBox::Ok;
    };
  }

  std::vector<TSeenLine> SeenTape() {
    std::vector<TSeenLine> Lines;
    const QTextDocument* Doc = Widget<QPlainTextEdit>("RichEdit1")->document();
    for (QTextBlock Block = Doc->begin(); Block.isValid(); Block = Block.next()) {
      if (Block.text().isEmpty() && !Block.next().isValid()) break;
      QTextCursor Cursor(Block);
      Cursor.movePosition(QTextCursor::EndOfBlock);
      const QTextCharFormat F = Cursor.charFormat();
      Lines.push_back({Block.text().toStdString(), F.foreground().color().name().toStdString(),
                       F.fontWeight() == QFont::Bold, F.fontItalic(), F.fontUnderline()});
    }
    return Lines;
  }

  std::string Title() { return Calc->windowTitle().toStdString(); }

  QTemporaryDir Dir;
};

struct TRoundTrip {
  const char* Name;
  void (*Looks)(TCalcSettings&);
  const char* Typed;  // the tape as saved
  const char* Then;   // what is done on it after saving, and after opening
  int TypedErrors;    // error boxes while typing it
  int ThenErrors;     // and while going on
};

TEST_F(TapeDocumentTest, ATapeOpensAsItWasSavedAndItsCalculationGoesOn) {
  const TRoundTrip Cases[] = {
      {"every line kind, a note, colours",
       [](TCalcSettings& S) {
         S.TotalsRed = true;
         S.AnnotItalics = true;
         S.AnnotUnder = true;
       },
       "9 + 1 6 [ButtonSqrt] - 2 0 = note:Fuel_for_March 4 '*' 3 + 5 =",
       "<Alt+Left> <Alt+Left> 7 [RecalcToolButton]", 0, 0},
      {"hexadecimal", [](TCalcSettings&) {}, "[RadioHex] [ButtonA] + 5 = [ButtonF] [ButtonF] '*' 2",
       "<Alt+Left> 3 [RecalcToolButton]", 0, 0},
      {"radians and Fixed", [](TCalcSettings&) {},
       "{Fixed1} [RadioRad] 1 [ButtonSin] + 2 =", "<Alt+Left> 4 [RecalcToolButton]", 0, 0},
      {"a failed calculation", [](TCalcSettings&) {},
       "5 '/' 0 =", "<Alt+Left> 2 [RecalcToolButton]", 1, 0},
      {"a failed calculation replayed as it failed", [](TCalcSettings&) {},
       "5 '/' 0 =", "<Alt+Left> <Alt+Left> 6 [RecalcToolButton]", 1, 1},
      {"a picked number being edited", [](TCalcSettings&) {}, "1 2 + 3 0 = <Alt+Left> 4",
       "8 [RecalcToolButton] <Alt+Left> <Alt+Left> 1 [RecalcToolButton]", 0, 0},
      {"a number being typed, As Entered", [](TCalcSettings& S) { S.Dumb = true; },
       "2 + 3 '*' 4 = 6 + 1 '.'", "5 = <Alt+Left> 9 [RecalcToolButton]", 0, 0},
  };
  int N = 0;
  for (const TRoundTrip& Case : Cases) {
    SCOPED_TRACE(Case.Name);
    const QString File = Dir.filePath(QStringLiteral("case%1.vtape").arg(++N));
    // Each case starts as a first run.
    Home = std::make_unique<QTemporaryDir>();
    UseHome(*Home);
    OpenWindow();
    Case.Looks(Calc->CalcSettings);
    Do(Case.Typed);
    const std::vector<TSeenLine> Saved = SeenTape();
    const std::string SavedDisplay = Display();
    ChooseFile("SaveTapeAs1", File);
    ASSERT_TRUE(QFile::exists(File));
    Do(Case.Then);
    const std::vector<TSeenLine> Continued = SeenTape();
    const std::string ContinuedDisplay = Display();

    // The next day: a fresh window opens the document.
    Home = std::make_unique<QTemporaryDir>();
    UseHome(*Home);
    OpenWindow();
    Case.Looks(Calc->CalcSettings);
    ChooseFile("OpenTape1", File);
    EXPECT_EQ(SeenTape(), Saved);
    EXPECT_EQ(Display(), SavedDisplay);
    EXPECT_EQ(Title(), "case" + std::to_string(N) + ".vtape - Veltrona");
    Do(Case.Then);
    EXPECT_EQ(SeenTape(), Continued);
    EXPECT_EQ(Display(), ContinuedDisplay);
    EXPECT_EQ(Title(), "case" + std::to_string(N) + ".vtape * - Veltrona");
    // Opening reports no failure; going on reports the same ones again.
    EXPECT_EQ(Boxes.size(), static_cast<std::size_t>(Case.TypedErrors + 2 * Case.ThenErrors));
    Boxes.clear();
  }
}

TEST_F(TapeDocumentTest, TheTitleMarksChangesAndOnlyASavedTapeAsksBeforeItIsLeft) {
  EXPECT_EQ(Title(), "Veltrona");
  Do("1 2 + 3 0 =");
  // An untitled tape is kept as the last tape: New Tape asks nothing.
  Do("{NewTape1}");
  EXPECT_TRUE(SeenTape().empty());
  EXPECT_EQ(Title(), "Veltrona");

  Do("4 + 5 =");
  ChooseFile("SaveTapeAs1", Path("march.vtape"));
  EXPECT_EQ(Title(), "march.vtape - Veltrona");
  Do("6");
  EXPECT_EQ(Title(), "march.vtape * - Veltrona");
  const auto Tape = SeenTape();

  Answer(QMessageBox::Cancel);
  Do("{NewTape1}");
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_NE(Boxes[0].find("march.vtape has changes"), std::string::npos);
  EXPECT_EQ(SeenTape(), Tape);
  EXPECT_EQ(Display(), "6");
  Calc->close();
  EXPECT_TRUE(Calc->isVisible());
  EXPECT_EQ(Boxes.size(), 2u);

  Answer(QMessageBox::Save);
  Do("+ 1 = {NewTape1}");
  EXPECT_TRUE(SeenTape().empty());
  EXPECT_EQ(Title(), "Veltrona");
  ChooseFile("OpenTape1", Path("march.vtape"));
  EXPECT_EQ(Title(), "march.vtape - Veltrona");
  EXPECT_EQ(SeenTape().back().Text, "= 7");

  // Save Tape keeps to the document's file; Discard leaves the changes.
  Do("9 {SaveTape1}");
  EXPECT_EQ(Title(), "march.vtape - Veltrona");
  Do("+ 1 =");
  Answer(QMessageBox::Discard);
  Calc->close();
  EXPECT_FALSE(Calc->isVisible());
  Boxes.clear();
  OpenWindow();
  ChooseFile("OpenTape1", Path("march.vtape"));
  EXPECT_EQ(Display(), "9");
  const auto Reopened = SeenTape();
  ASSERT_GE(Reopened.size(), 2u);
  EXPECT_EQ(Reopened[Reopened.size() - 2].Text, "= 7");
}

TEST_F(TapeDocumentTest, AFileThatIsNoTapeLeavesTheTapeAsItWas) {
  Do("1 2 + 3 0 = note:kept");
  const auto Tape = SeenTape();
  QFile Bad(Path("bad.vtape"));
  ASSERT_TRUE(Bad.open(QIODevice::WriteOnly));
  Bad.write(R"({"format":"application/x-veltrona-tape","version":1,"lines":[{"kind":"entry")");
  Bad.close();
  ChooseFile("OpenTape1", Path("bad.vtape"));
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_NE(Boxes[0].find("could not be opened as a tape"), std::string::npos);
  EXPECT_NE(Boxes[0].find("cut short"), std::string::npos);
  Boxes.clear();
  EXPECT_EQ(SeenTape(), Tape);
  EXPECT_EQ(Title(), "Veltrona");
  // The calculation still goes on.
  Do("<Alt+Left> 5 [RecalcToolButton]");
  EXPECT_EQ(Display(), "17");
}

// veltrona-tape's --save-tape and --open-tape: a tape it saves opens in the window as the window
// would have typed it, and a tape the window saves prints as the window shows it.
TEST_F(TapeDocumentTest, TheTerminalAndTheWindowOpenEachOthersTapes) {
  TTapeSession::TSetup Setup;
  Setup.KeepLines = true;
  std::ostringstream Out, Err;
  TTapeSession Terminal(Setup, Out, Err);
  ASSERT_TRUE(Terminal.RunWords({"12", "+", "30", "=", "5", "+", "4"}, "argument "));
  ASSERT_TRUE(Terminal.SaveTape(LocalPath(Path("terminal.vtape"))));

  Do("1 2 + 3 0 = 5 + 4");
  const auto Typed = SeenTape();
  const std::string TypedDisplay = Display();
  Do("{NewTape1}");
  ChooseFile("OpenTape1", Path("terminal.vtape"));
  EXPECT_EQ(SeenTape(), Typed);
  EXPECT_EQ(Display(), TypedDisplay);
  Do("= <Alt+Left> 6 [RecalcToolButton]");
  EXPECT_EQ(Display(), "11");

  // The window's document printed by the terminal, and its calculation going on there.
  Do("note:checked");
  ChooseFile("SaveTapeAs1", Path("window.vtape"));
  std::ostringstream Printed, Errors;
  TTapeSession Reader(Setup, Printed, Errors);
  ASSERT_TRUE(Reader.OpenTape(LocalPath(Path("window.vtape")))) << Errors.str();
  std::vector<std::string> Lines;
  std::istringstream In(Printed.str());
  for (std::string Line; std::getline(In, Line);)
    Lines.push_back(Line.substr(std::min(Line.find_first_not_of(' '), Line.size())));
  std::vector<std::string> Shown;
  for (const std::string& Line : TapeLines())
    Shown.push_back(Line.substr(std::min(Line.find_first_not_of(' '), Line.size())));
  EXPECT_EQ(Lines, Shown);
  ASSERT_TRUE(Reader.RunWords({"+", "1", "="}, "argument "));
  EXPECT_EQ(Reader.Model().DisplayText(), "12");
}

// Opening a long tape shows its progress once it takes long (here at once), and the dialog
// goes when the tape is there.
TEST_F(TapeDocumentTest, ALongOpenShowsItsProgress) {
  struct TShows : QObject {
    int Count = 0;
    bool eventFilter(QObject* Watched, QEvent* Event) override {
      if (Event->type() == QEvent::Show && qobject_cast<QProgressDialog*>(Watched)) ++Count;
      return false;
    }
  } Shows;
  TTapeDocument Long;
  for (int N = 0; N < 5000; ++N)
    Long.Lines.push_back(
        {std::to_string(N), TTapeLineKind::Note, 0x0000FF, false, true, false, {}});
  Long.LineEntries.assign(Long.Lines.size(), 0);
  ASSERT_FALSE(SaveTapeDocument(Path("long.vtape"), Long).has_value());
  qApp->installEventFilter(&Shows);
  TLongOperation::ShowAfterMs = 0;
  ChooseFile("OpenTape1", Path("long.vtape"));
  TLongOperation::ShowAfterMs = 500;
  qApp->removeEventFilter(&Shows);
  EXPECT_EQ(Shows.Count, 1);
  EXPECT_EQ(Calc->findChild<QProgressDialog*>(), nullptr);
  EXPECT_EQ(SeenTape().size(), 5000u);
  EXPECT_EQ(SeenTape().back().Text, "4999");
  EXPECT_EQ(Title(), "long.vtape - Veltrona");
}

TEST_F(TapeDocumentTest, ReopenLastTapeBringsBackTheTapeOfThePreviousRun) {
  Do("{ReopenLastTape1}");
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_NE(Boxes[0].find("no last tape"), std::string::npos);
  Boxes.clear();

  Do("1 2 + 3 0 = note:for_March 5 + 4");
  const auto Tape = SeenTape();
  Calc->close();
  // The next run starts with an empty tape, as always.
  OpenWindow();
  EXPECT_TRUE(SeenTape().empty());
  Do("7 + 1 =");
  // Opening leaves the history alone: 7 + 1 = stays with the tape it is on, the last tape now.
  const std::string Newest = Calc->Model.HistoryText(1);
  Do("{ReopenLastTape1}");
  EXPECT_EQ(Calc->Model.HistoryText(1), Newest);
  EXPECT_EQ(SeenTape(), Tape);
  EXPECT_EQ(Display(), "4");
  EXPECT_EQ(Title(), "Veltrona");
  // The number being typed goes on into the calculation, which Back then corrects.
  Do("= <Alt+Left> <Alt+Left> 6 [RecalcToolButton]");
  EXPECT_EQ(Display(), "10");

  // The tape left by New Tape (or by Reopen Last Tape itself) is the last tape now.
  const auto Corrected = SeenTape();
  Do("{NewTape1} 2 =");
  Do("{ReopenLastTape1}");
  EXPECT_EQ(SeenTape(), Corrected);
}

TEST_F(TapeDocumentTest, RecentTapesListsTheLastDocumentsAndDropsOnesThatAreGone) {
  const auto Listed = [this] {
    std::vector<std::string> Names;
    for (QAction* Item : Widget<QMenu>("RecentTapes1")->actions())
      Names.push_back(Item->text().toStdString());
    return Names;
  };
  EXPECT_FALSE(Widget<QAction>("RecentTapes1Item")->isEnabled());
  Do("1 + 2 =");
  ChooseFile("SaveTapeAs1", Path("january.vtape"));
  Do("3 + 4 =");
  ChooseFile("SaveTapeAs1", Path("february.vtape"));
  EXPECT_EQ(Listed(), (std::vector<std::string>{"&1 february.vtape", "&2 january.vtape"}));

  // Kept for the next run.
  Calc->close();
  OpenWindow();
  EXPECT_EQ(Listed(), (std::vector<std::string>{"&1 february.vtape", "&2 january.vtape"}));
  Do("{RecentTape2}");
  EXPECT_EQ(Title(), "january.vtape - Veltrona");
  EXPECT_EQ(SeenTape().back().Text, "= 3");
  EXPECT_EQ(Listed(), (std::vector<std::string>{"&1 january.vtape", "&2 february.vtape"}));

  ASSERT_TRUE(QFile::remove(Path("february.vtape")));
  Do("{RecentTape2}");
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_NE(Boxes[0].find("february.vtape is no longer there"), std::string::npos);
  Boxes.clear();
  EXPECT_EQ(Listed(), (std::vector<std::string>{"&1 january.vtape"}));
  EXPECT_EQ(Title(), "january.vtape - Veltrona");
}

TEST_F(TapeDocumentTest, ADroppedFileOrACommandLineArgumentOpensTheTape) {
  Do("1 + 2 =");
  ChooseFile("SaveTapeAs1", Path("march.vtape"));
  const auto Tape = SeenTape();
  Do("{NewTape1}");

  QMimeData Data;
  Data.setUrls({QUrl::fromLocalFile(Path("march.vtape"))});
  // Dropped on the tape, which passes it on to the window.
  QWidget* On = Widget<QPlainTextEdit>("RichEdit1")->viewport();
  QDragEnterEvent Enter(QPoint(5, 5), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(On, &Enter);
  EXPECT_TRUE(Enter.isAccepted());
  QDropEvent Drop(QPointF(5, 5), Qt::CopyAction, &Data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(On, &Drop);
  QCoreApplication::processEvents();
  EXPECT_EQ(SeenTape(), Tape);
  EXPECT_EQ(Title(), "march.vtape - Veltrona");

  // Anything else is not taken.
  QMimeData Text;
  Text.setUrls({QUrl::fromLocalFile(Path("notes.txt"))});
  QDragEnterEvent Other(QPoint(5, 5), Qt::CopyAction, &Text, Qt::LeftButton, Qt::NoModifier);
  Other.setAccepted(false);
  QApplication::sendEvent(Calc.get(), &Other);
  EXPECT_FALSE(Other.isAccepted());

  Do("{NewTape1}");
  Calc->OpenArguments(
      TCalculator::AbsoluteArguments({QStringLiteral("--debug"), Path("march.vtape")}));
  QCoreApplication::processEvents();
  EXPECT_EQ(SeenTape(), Tape);
}

}  // namespace

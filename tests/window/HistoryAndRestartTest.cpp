// The History submenu and drop-down in the real window, and what comes back at the next start:
// the five calculations, the memory, the preferences and an unfinished calculation.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <sstream>

#include "UnitNote.h"
#include "WindowFixture.h"

namespace {

class HistoryWindowTest : public WindowTest {
 protected:
  void Keys(const char* Text) {
    std::istringstream In(Text);
    std::string Key;
    while (In >> Key) Press(Key);
  }
  // The items a menu shows when it opens.
  std::vector<std::string> Shown(const char* MenuName) {
    auto* Menu = Widget<QMenu>(MenuName);
    emit Menu->aboutToShow();
    std::vector<std::string> Captions;
    for (QAction* A : Menu->actions())
      if (A->isVisible()) Captions.push_back(A->text().toStdString());
    return Captions;
  }
  // A second window on the same settings and files, as at the next start.
  void Restart() {
    Calc->close();
    OpenWindow();
  }
  std::string ReadFile(const char* Name) {
    QFile File(DataFile(Name));
    if (!File.open(QIODevice::ReadOnly)) return "(missing)";
    return File.readAll().toStdString();
  }
};

TEST_F(HistoryWindowTest, SubmenuDropDownAndRecall) {
  EXPECT_FALSE(Widget("ToolButtonPrevEqu")->isEnabled()) << "an empty history";
  EXPECT_TRUE(Shown("EquPopupMenu").empty());
  Keys("1 + 2 = 5");
  EXPECT_TRUE(Widget("ToolButtonPrevEqu")->isEnabled());
  EXPECT_EQ(Shown("PrevCalculations1"), std::vector<std::string>{"&1: 1+2="});
  EXPECT_EQ(Shown("EquPopupMenu"), std::vector<std::string>{"&1: 1+2="});

  Widget<QAction>("Equ1SubItem")->trigger();  // the typed 5 goes with its own calculation
  EXPECT_EQ(Display(), "3");
  // The 5 alone prints nothing yet; the recalled calculation comes below a separator.
  const std::vector<std::string> Tail = {"= 3", "------------", "------------",
                                         "  1", "+ 2",          "= 3"};
  std::vector<std::string> Lines = TapeLines();
  ASSERT_GE(Lines.size(), Tail.size());
  EXPECT_EQ(std::vector<std::string>(Lines.end() - static_cast<long>(Tail.size()), Lines.end()),
            Tail);
  EXPECT_EQ(Shown("EquPopupMenu"), std::vector<std::string>{"&1: 5"});

  Press("[ToolButtonPrevEqu]");  // the main part of the button recalls position 1
  EXPECT_EQ(Calc->CurrentEngine.EquationText(), "5");
  EXPECT_EQ(Shown("PrevCalculations1"), std::vector<std::string>{"&1: 1+2="});
}

TEST_F(HistoryWindowTest, EverythingComesBackAtTheNextStart) {
  Keys("1 + 2 = 3 X 4 = 9 . 5 [Button18] 7 - 1");  // memory 9.5, 7 - 1 being typed
  Press("[ToolButtonFormat]");
  Press("[ToolButtonDecUp]");
  Widget<QAction>("ViewToolBar")->trigger();
  Widget<QAction>("LargeSize2")->trigger();
  Calc->CalcSettings.TaxLit = "VAT";
  Restart();

  EXPECT_EQ(Calc->Model.HistoryCount(), 3);
  EXPECT_EQ(Calc->Model.HistoryText(1), "7-1");
  EXPECT_EQ(Calc->Model.HistoryText(2), "3*4=");
  EXPECT_EQ(Calc->Model.HistoryText(3), "1+2=");
  EXPECT_EQ(Calc->Model.Memory(), 9.5L);
  EXPECT_EQ(Widget<QLabel>("StatusPanel1")->text().toStdString(), "Mem:9.5");
  EXPECT_EQ(Calc->CurrentEngine.TapeFormatMode(), 2);
  EXPECT_EQ(Calc->CurrentEngine.Digits(), 3);
  EXPECT_FALSE(Widget<QAction>("ViewToolBar")->isChecked());
  EXPECT_FALSE(Widget("ToolBar1")->isVisible());
  EXPECT_FALSE(Widget<QAction>("LargeSize2")->isEnabled());
  EXPECT_EQ(Widget<QAbstractButton>("ButtonPlusTax")->text().toStdString(), "+VAT");
  EXPECT_EQ(Calc->CurrentEngine.TaxLit(), "VAT");
  EXPECT_TRUE(TapeLines().empty()) << "nothing was left unfinished";
  EXPECT_EQ(ReadFile("Unfinished.dat"), "(missing)") << "a clean close leaves no unfinished file";
}

TEST_F(HistoryWindowTest, AnUnfinishedCalculationSurvivesAStopWithoutClosing) {
  Keys("1 2 + 3 0 +");
  // Written right after the key, without closing.
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return ReadFile("Unfinished.dat") == "12\r\nsceAdd\r\n30\r\nsceAdd\r\n"; }));
  OpenWindow();  // the first window went without closing, as in a crash
  EXPECT_EQ(TapeLines(), (std::vector<std::string>{"------------", "  12", "+ 30", "{= 42}"}));
  Keys("8 =");
  EXPECT_EQ(Display(), "50");
}

TEST_F(HistoryWindowTest, TheNumberBeingTypedSurvivesAStopWithoutClosing) {
  Keys("1 2 + 3 4");
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return ReadFile("Unfinished.dat").find("#Display 34") != std::string::npos; }));
  OpenWindow();
  EXPECT_EQ(Display(), "34");
  Keys("=");
  EXPECT_EQ(TapeLines(), (std::vector<std::string>{"------------", "  12", "+ 34", "= 46"}));
}

TEST_F(HistoryWindowTest, ADamagedHistoryFileIsKeptAsideAndReportedAfterTheWindowShows) {
  Calc.reset();
  ASSERT_TRUE(QDir().mkpath(DataFile("")));
  QFile Damaged(DataFile("Equ2.dat"));
  ASSERT_TRUE(Damaged.open(QIODevice::WriteOnly));
  Damaged.write("7\r\nsceWhatever\r\n");
  Damaged.close();
  Calc = std::make_unique<TCalculator>();
  bool ShownFirst = true;
  Calc->MessageDlgOverride = [&](const QString& Text, QMessageBox::Icon,
                                 QMessageBox::StandardButtons) {
    ShownFirst = ShownFirst && Calc->isVisible();
    Boxes.push_back(Text.toStdString());
    return QMessageBox::Ok;
  };
  EXPECT_TRUE(Boxes.empty()) << "nothing before the window";
  Calc->show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !Boxes.empty(); }));
  EXPECT_TRUE(ShownFirst);
  ASSERT_EQ(Boxes.size(), 1u);
  EXPECT_NE(Boxes[0].find("Equ2.dat.damaged"), std::string::npos) << Boxes[0];
  EXPECT_EQ(ReadFile("Equ2.dat.damaged"), "7\r\nsceWhatever\r\n");
  Keys("1 + 1 = 2");  // the history is written again: the damaged copy stays as it was
  EXPECT_TRUE(
      QTest::qWaitFor([&] { return ReadFile("Equ1.dat") == "1\r\nsceAdd\r\n1\r\nsceEquals\r\n"; }));
  EXPECT_EQ(ReadFile("Equ2.dat.damaged"), "7\r\nsceWhatever\r\n");
  ExpectedBoxes = Boxes;
}

// A history file that cannot be written: the unfinished file keeps the calculation that was
// to go into it, the status bar names the file without taking the keys, and closing offers to
// retry.
TEST_F(HistoryWindowTest, AFailedHistoryWriteKeepsTheUnfinishedFileUntilItSucceeds) {
  Keys("1 + 1 =");
  const std::string Finished = "1\r\nsceAdd\r\n1\r\nsceEquals\r\n";
  ASSERT_TRUE(QTest::qWaitFor([&] { return ReadFile("Unfinished.dat") == Finished; }));
  // A folder in the place of Equ1.dat makes its write fail, as a full disk would.
  ASSERT_TRUE(QDir().mkpath(DataFile("Equ1.dat")));
  Keys("3 + 3");
  auto* Failure = Widget<QLabel>("SaveFailureLabel");
  ASSERT_TRUE(QTest::qWaitFor([&] { return Failure->isVisible(); }));
  EXPECT_NE(Failure->text().indexOf(QStringLiteral("Equ1.dat")), -1)
      << Failure->text().toStdString();
  EXPECT_EQ(Failure->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(ReadFile("Unfinished.dat"), Finished) << "its only copy on disk stays";
  Keys("=");
  EXPECT_EQ(Display(), "6") << "the keys went on into the calculation";

  // Closing: Retry once the space is back writes everything.
  std::vector<QMessageBox::StandardButtons> Offered;
  Calc->MessageDlgOverride = [&](const QString& Text, QMessageBox::Icon,
                                 QMessageBox::StandardButtons Buttons) {
    Offered.push_back(Buttons);
    Boxes.push_back(Text.toStdString());
    if (Offered.size() == 1) return QMessageBox::Retry;
    QDir(DataFile("Equ1.dat")).removeRecursively();
    return QMessageBox::Retry;
  };
  Calc->close();
  ASSERT_EQ(Offered.size(), 2u);
  EXPECT_EQ(Offered[0], QMessageBox::Retry | QMessageBox::Close);
  EXPECT_EQ(ReadFile("Equ1.dat"), "3\r\nsceAdd\r\n3\r\nsceEquals\r\n");
  EXPECT_EQ(ReadFile("Equ2.dat"), Finished);
  EXPECT_EQ(ReadFile("Unfinished.dat"), "(missing)");
  ExpectedBoxes = Boxes;
}

TEST_F(HistoryWindowTest, ClosingAnywayLeavesTheUnfinishedFileForTheNextStart) {
  Keys("4 + 4");
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return ReadFile("Unfinished.dat").find("#Display 4") != std::string::npos; }));
  ASSERT_TRUE(QDir().mkpath(DataFile("Equ1.dat")));
  Calc->MessageDlgOverride = [&](const QString& Text, QMessageBox::Icon,
                                 QMessageBox::StandardButtons) {
    Boxes.push_back(Text.toStdString());
    return QMessageBox::Close;
  };
  Calc->close();
  ASSERT_EQ(Boxes.size(), 1u);
  ExpectedBoxes = Boxes;
  QDir(DataFile("Equ1.dat")).removeRecursively();
  OpenWindow();
  EXPECT_EQ(Display(), "4");
  Keys("=");
  EXPECT_EQ(Display(), "8");
}

TEST_F(HistoryWindowTest, DestroyingWithoutClosingWritesNothing) {
  Calc.reset();
  EXPECT_FALSE(QFile::exists(Home->filePath(QStringLiteral("config/veltrona.conf"))));
  EXPECT_EQ(ReadFile("Equ1.dat"), "(missing)");
}

TEST_F(HistoryWindowTest, FailedSavesAtCloseAreReportedOnceAndClosingGoesOn) {
  QFile Blocker(Home->filePath(QStringLiteral("blocker")));
  ASSERT_TRUE(Blocker.open(QIODevice::WriteOnly));
  Blocker.close();
  Calc->CalcSettings.SaveDest = Blocker.fileName().toStdString() + "/history";
  Keys("1 + 2 =");
  Calc->close();
  Calc->close();  // a second close runs nothing again
  ASSERT_EQ(Boxes.size(), 1u);
  for (int N = 1; N <= 5; ++N)
    EXPECT_NE(Boxes[0].find("Equ" + std::to_string(N) + ".dat"), std::string::npos) << N;
  EXPECT_FALSE(Calc->isVisible());
  ExpectedBoxes = Boxes;
}

}  // namespace

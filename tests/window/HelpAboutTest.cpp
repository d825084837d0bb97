// Help and About: the manual found or missing beside the program, the help window, and the
// About box, also over a window that stays on top.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "WindowFixture.h"

namespace {

class HelpAboutTest : public WindowTest {
 protected:
  void Choose(const char* Item) { Widget<QAction>(Item)->trigger(); }

  QWidget* HelpWindow() { return Calc->findChild<QWidget*>(QStringLiteral("HelpWindow")); }

  std::string ManualPath(const QString& Folder) {
    return QDir::toNativeSeparators(QDir(Folder).filePath(QStringLiteral("VELTRONA.html")))
        .toStdString();
  }

  QTemporaryDir Folder;
};

TEST_F(HelpAboutTest, HelpWithoutTheManualNamesThePathItTried) {
  Calc->HelpFolder = Folder.path();
  Choose("Help2");
  ExpectedBoxes = {"Veltrona encountered an error when displaying help\rHelp File\r" +
                   ManualPath(Folder.path()) + "\rNot Found"};
  EXPECT_EQ(HelpWindow(), nullptr);
}

TEST_F(HelpAboutTest, HelpShowsTheManualBesideTheProgram) {
  // The build puts the manual beside the program, where Help looks for it.
  Calc->HelpFolder = QFileInfo(QStringLiteral(VELTRONA_EXE)).absolutePath();
  Choose("Help2");
  QWidget* Window = HelpWindow();
  ASSERT_NE(Window, nullptr);
  EXPECT_TRUE(Window->isVisible());
  const QString Text = Window->findChild<QTextBrowser*>()->toPlainText();
  for (const char* Topic : {"Back and Forward", "Replay", "History", "Tape formats", "Options",
                            "Short-cuts", "Always On Top"})
    EXPECT_TRUE(Text.contains(QLatin1String(Topic))) << Topic;
  // A second Help reuses the one window.
  Choose("Help2");
  EXPECT_EQ(Calc->findChildren<QWidget*>(QStringLiteral("HelpWindow")).size(), 1);
}

TEST_F(HelpAboutTest, HelpFindsTheManualBesideTheProgramOrInTheInstalledLayout) {
  const QDir Prefix(Folder.path());
  ASSERT_TRUE(Prefix.mkpath(QStringLiteral("bin")) &&
              Prefix.mkpath(QStringLiteral("share/veltrona")));
  const QString Program = Prefix.filePath(QStringLiteral("bin"));
  const QString Shared = Prefix.filePath(QStringLiteral("share/veltrona"));
  const auto PutManual = [](const QString& In) {
    QFile Manual(QDir(In).filePath(QStringLiteral("VELTRONA.html")));
    return Manual.open(QIODevice::WriteOnly) && Manual.write("<p>Veltrona</p>") > 0;
  };
  // Neither: the program's own folder, which the error then names.
  EXPECT_EQ(TCalculator::FindHelpFolder(Program), Program);
  ASSERT_TRUE(PutManual(Shared));
  EXPECT_EQ(TCalculator::FindHelpFolder(Program), Shared);
  ASSERT_TRUE(PutManual(Program));
  EXPECT_EQ(TCalculator::FindHelpFolder(Program), Program);
}

TEST_F(HelpAboutTest, HelpFileThatCannotBeShown) {
  const struct {
    const char* Name;
    bool MakeFolder;  // a folder of the manual's name instead of a file
    std::string Box;
  } Rows[] = {
      {"empty file", false,
       "Veltrona encountered an error when displaying help\rSee the Readme.txt file in\r" +
           QDir::toNativeSeparators(Folder.path()).toStdString() + "\rFor likely causes..."},
      {"folder", true,
       "Veltrona encountered an error when displaying help\rHelp File\r" +
           ManualPath(Folder.path()) + "\rNot Found"},
  };
  Calc->HelpFolder = Folder.path();
  const QString Path = Folder.filePath(QStringLiteral("VELTRONA.html"));
  for (const auto& Row : Rows) {
    SCOPED_TRACE(Row.Name);
    if (Row.MakeFolder) {
      QFile::remove(Path);
      ASSERT_TRUE(QDir().mkdir(Path));
    } else {
      QFile Empty(Path);
      ASSERT_TRUE(Empty.open(QIODevice::WriteOnly));
    }
    Boxes.clear();
    Choose("Help2");
    EXPECT_EQ(Boxes, std::vector<std::string>{Row.Box});
    EXPECT_TRUE(!HelpWindow() || !HelpWindow()->isVisible());
  }
  Boxes.clear();
}

TEST_F(HelpAboutTest, AboutOpensAboveATopmostWindowAndClosesWithOk) {
  for (const bool OnTop : {false, true}) {
    SCOPED_TRACE(OnTop);
    if (OnTop) Choose("AlwaysOnTop2");
    bool Shown = false;
    bool TopmostMeanwhile = true;
    Calc->DialogExecOverride = [&](QDialog& Dialog) {
      Shown = Dialog.isVisible();
      TopmostMeanwhile = Calc->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
      EXPECT_EQ(Dialog.windowTitle().toStdString(), "About Veltrona");
      EXPECT_EQ(Dialog.size(), QSize(235, 197));
      std::vector<std::string> Texts;
      for (const char* Name : {"ProductName", "Version"}) {
        auto* Label = Dialog.findChild<QLabel*>(QLatin1String(Name));
        Texts.push_back(Label->text().toStdString());
        EXPECT_TRUE(Label->font().bold());
        EXPECT_EQ(Label->palette().color(QPalette::WindowText), QColor(0, 255, 0));
      }
      EXPECT_EQ(Texts, (std::vector<std::string>{"Veltrona", "V4.01"}));
      EXPECT_EQ(Dialog.palette().color(QPalette::Window), QColor(Qt::black));
      auto* Ok = Dialog.findChild<QPushButton*>(QStringLiteral("Button1"));
      EXPECT_EQ(Ok->text().toStdString(), "OK");
      QTest::mouseClick(Ok, Qt::LeftButton);
      EXPECT_FALSE(Dialog.isVisible()) << "OK closes the box";
      return Dialog.result();
    };
    Choose("About1");
    EXPECT_TRUE(Shown);
    EXPECT_FALSE(TopmostMeanwhile);
    EXPECT_EQ(Calc->windowFlags().testFlag(Qt::WindowStaysOnTopHint), OnTop);
    EXPECT_TRUE(Calc->isVisible());
  }
}

}  // namespace

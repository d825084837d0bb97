// The real program on a private X server: a calculation typed into it survives a kill
// (SIGKILL, so nothing of the program's own runs), and comes back at the next start.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "TapeDocument.h"

namespace {

// Hang guards, not speed checks: each step normally takes well under a second.
constexpr int GuardMs = 60000;

class ProgramKillTest : public testing::Test {
 protected:
  void SetUp() override {
    for (const char* Tool : {"Xvfb", "xdotool"})
      ASSERT_FALSE(QStandardPaths::findExecutable(QLatin1String(Tool)).isEmpty())
          << Tool << " is missing: scripts/install-deps installs it";
    ASSERT_TRUE(Home.isValid());
    // Xvfb picks a free display and writes its number on the pipe it is given.
    Server.start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                  QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp")});
    ASSERT_TRUE(Server.waitForStarted(GuardMs));
    while (!Server.canReadLine() && Server.state() == QProcess::Running)
      Server.waitForReadyRead(GuardMs);
    Display = QLatin1Char(':') + QString::fromLatin1(Server.readLine()).trimmed();
    ASSERT_GT(Display.size(), 1) << "Xvfb gave no display";
    Env = QProcessEnvironment::systemEnvironment();
    Env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    Env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    Env.insert(QStringLiteral("DISPLAY"), Display);
    // On a real display Qt loads the desktop's D-Bus library, which keeps an allocation past
    // exit; the calculator's own memory is checked by the tests that run it in-process.
    const QString Sanitizer = Env.value(QStringLiteral("ASAN_OPTIONS"));
    Env.insert(QStringLiteral("ASAN_OPTIONS"),
               Sanitizer + (Sanitizer.isEmpty() ? "" : ":") + QStringLiteral("detect_leaks=0"));
    Env.insert(QStringLiteral("XDG_CONFIG_HOME"), Home.filePath(QStringLiteral("config")));
    Env.insert(QStringLiteral("XDG_DATA_HOME"), Home.filePath(QStringLiteral("data")));
  }
  void TearDown() override {
    Program.kill();
    Program.waitForFinished(GuardMs);
    Server.terminate();
    Server.waitForFinished(GuardMs);
  }

  QString Tool(const QStringList& Arguments) {
    QProcess Run;
    Run.setProcessEnvironment(Env);
    Run.start(QStringLiteral("xdotool"), Arguments);
    Run.waitForFinished(GuardMs);
    return QString::fromLatin1(Run.readAllStandardOutput()).trimmed();
  }
  std::string Data(const char* Name) {
    QFile File(Home.filePath(QStringLiteral("data/veltrona/")) + QLatin1String(Name));
    return File.open(QIODevice::ReadOnly) ? File.readAll().toStdString() : "(missing)";
  }
  // Waits until the program has written what it should.
  bool WaitFor(const char* Name, const std::string& Content) {
    return QTest::qWaitFor([&] { return Data(Name) == Content; }, GuardMs);
  }

  // Starts the program and answers its window, focused for typing.
  QString StartProgram() {
    Program.setProcessEnvironment(Env);
    Program.start(QStringLiteral(VELTRONA_EXE), {});
    if (!Program.waitForStarted(GuardMs)) return {};
    const QString Window = Tool({QStringLiteral("search"), QStringLiteral("--sync"),
                                 QStringLiteral("--name"), QStringLiteral("^Veltrona$")})
                               .section(u'\n', 0, 0);
    if (!Window.isEmpty()) Tool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), Window});
    return Window;
  }
  void Type(const char* Keys) {
    Tool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"),
          QLatin1String(Keys)});
  }

  QTemporaryDir Home;
  QProcess Server, Program;
  QString Display;
  QProcessEnvironment Env;
};

TEST_F(ProgramKillTest, ACalculationSurvivesAKill) {
  Program.setProcessEnvironment(Env);
  Program.start(QStringLiteral(VELTRONA_EXE), {});
  ASSERT_TRUE(Program.waitForStarted(GuardMs));
  const QString Window = Tool({QStringLiteral("search"), QStringLiteral("--sync"),
                               QStringLiteral("--name"), QStringLiteral("^Veltrona$")})
                             .section(u'\n', 0, 0);
  ASSERT_FALSE(Window.isEmpty()) << "no Veltrona window on " << Display.toStdString();
  Tool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), Window});
  Tool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"),
        QStringLiteral("12+30=5+")});
  ASSERT_TRUE(WaitFor("Unfinished.dat", "5\r\nsceAdd\r\n"));
  ASSERT_TRUE(WaitFor("Equ1.dat", "12\r\nsceAdd\r\n30\r\nsceEquals\r\n"));
  Program.kill();  // SIGKILL
  ASSERT_TRUE(Program.waitForFinished(GuardMs));

  // The next start brings the unfinished calculation back; a clean close then keeps it too.
  QProcessEnvironment Again = Env;
  Again.insert(QStringLiteral("VELTRONA_EXIT_AFTER_SHOW"), QStringLiteral("1"));
  Program.setProcessEnvironment(Again);
  Program.start(QStringLiteral(VELTRONA_EXE), {});
  ASSERT_TRUE(Program.waitForFinished(GuardMs));
  EXPECT_EQ(Program.exitCode(), 0) << Program.readAllStandardError().toStdString();
  EXPECT_EQ(Data("Equ1.dat"), "5\r\nsceAdd\r\n");
  EXPECT_EQ(Data("Equ2.dat"), "12\r\nsceAdd\r\n30\r\nsceEquals\r\n");
  EXPECT_EQ(Data("Unfinished.dat"), "(missing)");
}

// The tape as it stood is kept beside the history files: after a kill, File > Reopen Last Tape
// brings it back with the calculation and the number being typed.
TEST_F(ProgramKillTest, ReopenLastTapeAfterAKill) {
  ASSERT_FALSE(StartProgram().isEmpty());
  Type("12+30=5+4");
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return Data("LastTape.vtape").find(R"("display":"4")") != std::string::npos; },
      GuardMs));
  Program.kill();
  ASSERT_TRUE(Program.waitForFinished(GuardMs));

  ASSERT_FALSE(StartProgram().isEmpty());
  Tool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("100"),
        QStringLiteral("alt+f"), QStringLiteral("r")});
  Type("=");
  // The reopened tape, its calculation finished with the number that was being typed.
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        const std::string Tape = Data("LastTape.vtape");
        return Tape.find(R"("text":"= 42")") != std::string::npos &&
               Tape.find(R"("text":"= 9")") != std::string::npos;
      },
      GuardMs))
      << Data("LastTape.vtape");
  EXPECT_EQ(Data("Unfinished.dat"), "5\r\nsceAdd\r\n4\r\nsceEquals\r\n");
}

// "veltrona FILE.vtape" opens the tape; a second start hands its file over to the running copy,
// which opens it, wherever the second start was made from.
TEST_F(ProgramKillTest, ATapeNamedOnTheCommandLineOpens) {
  QTemporaryDir Docs;
  TTapeDocument Doc;
  Doc.Lines = {{"A note", TTapeLineKind::Note, 0x0000FF, false, true, false, {}}};
  Doc.LineEntries = {0};
  ASSERT_FALSE(SaveTapeDocument(Docs.filePath(QStringLiteral("march.vtape")), Doc));
  ASSERT_FALSE(SaveTapeDocument(Docs.filePath(QStringLiteral("april.vtape")), Doc));

  Program.setProcessEnvironment(Env);
  Program.start(QStringLiteral(VELTRONA_EXE), {Docs.filePath(QStringLiteral("march.vtape"))});
  ASSERT_TRUE(Program.waitForStarted(GuardMs));
  EXPECT_FALSE(Tool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--name"),
                     QStringLiteral("^march.vtape - Veltrona$")})
                   .isEmpty());

  QProcess Second;
  Second.setProcessEnvironment(Env);
  Second.setWorkingDirectory(Docs.path());
  Second.start(QStringLiteral(VELTRONA_EXE), {QStringLiteral("april.vtape")});
  ASSERT_TRUE(Second.waitForFinished(GuardMs));
  EXPECT_EQ(Second.exitCode(), 0) << Second.readAllStandardError().toStdString();
  EXPECT_FALSE(Tool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--name"),
                     QStringLiteral("^april.vtape - Veltrona$")})
                   .isEmpty());
}

TEST_F(ProgramKillTest, AKillInTheMiddleOfANumberLosesNoKey) {
  ASSERT_FALSE(StartProgram().isEmpty());
  Type("12+34");
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return Data("Unfinished.dat").find("#Display 34") != std::string::npos; }, GuardMs));
  Program.kill();
  ASSERT_TRUE(Program.waitForFinished(GuardMs));
  ASSERT_FALSE(StartProgram().isEmpty());
  Type("=");
  EXPECT_TRUE(WaitFor("Unfinished.dat", "12\r\nsceAdd\r\n34\r\nsceEquals\r\n"));
}

TEST_F(ProgramKillTest, ASecondStartHandsOverAndNothingIsLost) {
  ASSERT_FALSE(StartProgram().isEmpty());
  QProcess Second;
  Second.setProcessEnvironment(Env);
  Second.start(QStringLiteral(VELTRONA_EXE), {});
  ASSERT_TRUE(Second.waitForFinished(GuardMs));
  EXPECT_EQ(Second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(Second.exitCode(), 0) << Second.readAllStandardError().toStdString();
  const QString Windows = Tool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                QStringLiteral("--name"), QStringLiteral("^Veltrona$")});
  EXPECT_EQ(Windows.split(u'\n', Qt::SkipEmptyParts).size(), 1) << "one window";
  // The one copy keeps every calculation through File > Exit.
  Type("1+1=2+2=");
  ASSERT_TRUE(WaitFor("Unfinished.dat", "2\r\nsceAdd\r\n2\r\nsceEquals\r\n"));
  Tool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("100"),
        QStringLiteral("alt+f"), QStringLiteral("x")});
  ASSERT_TRUE(Program.waitForFinished(GuardMs));
  EXPECT_EQ(Data("Equ1.dat"), "2\r\nsceAdd\r\n2\r\nsceEquals\r\n");
  EXPECT_EQ(Data("Equ2.dat"), "1\r\nsceAdd\r\n1\r\nsceEquals\r\n");
}

TEST_F(ProgramKillTest, ADamagedHistoryFileIsKeptAside) {
  ASSERT_TRUE(QDir().mkpath(Home.filePath(QStringLiteral("data/veltrona"))));
  QFile Damaged(Home.filePath(QStringLiteral("data/veltrona/Equ1.dat")));
  ASSERT_TRUE(Damaged.open(QIODevice::WriteOnly));
  Damaged.write("1\r\nsceNoSuchWord\r\n");
  Damaged.close();
  ASSERT_FALSE(StartProgram().isEmpty());
  EXPECT_TRUE(WaitFor("Equ1.dat.damaged", "1\r\nsceNoSuchWord\r\n"));
  // The report comes in a box of its own once the window is there.
  EXPECT_FALSE(Tool({QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--name"),
                     QStringLiteral("^Warning$")})
                   .isEmpty());
}

}  // namespace

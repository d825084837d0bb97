// The real veltrona program starts offscreen, shows its window and closes cleanly.
#include <gtest/gtest.h>

#include <QProcess>

TEST(Program, StartsShowsItsWindowAndCloses) {
  QProcess Program;
  QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
  Env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  Env.insert(QStringLiteral("VELTRONA_EXIT_AFTER_SHOW"), QStringLiteral("1"));
  Program.setProcessEnvironment(Env);
  Program.start(QStringLiteral(VELTRONA_EXE), {});
  ASSERT_TRUE(Program.waitForStarted()) << Program.errorString().toStdString();
  // A hang guard, not a speed check: the program normally ends within a second.
  ASSERT_TRUE(Program.waitForFinished(120000)) << "veltrona did not close";
  EXPECT_EQ(Program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(Program.exitCode(), 0) << Program.readAllStandardError().toStdString();
}

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

// What the first frame does not show is not loaded for it: no image format or icon plugin
// (the pictures are the program's own), no network library (the hand-over socket is a plain
// one), no workbook library (opened when a workbook is first saved).
TEST(Program, LoadsOnlyWhatItsFirstFrameNeeds) {
  QProcess Program;
  QProcessEnvironment Env = QProcessEnvironment::systemEnvironment();
  Env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  Env.insert(QStringLiteral("VELTRONA_EXIT_AFTER_SHOW"), QStringLiteral("1"));
  Env.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
  Env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
  Program.setProcessEnvironment(Env);
  Program.start(QStringLiteral(VELTRONA_EXE), {});
  ASSERT_TRUE(Program.waitForFinished(120000)) << "veltrona did not close";
  ASSERT_EQ(Program.exitCode(), 0);
  const QString Loaded = QString::fromLocal8Bit(Program.readAllStandardError());
  // The dynamic loader's and Qt's traces are there at all, so an absence below means something.
  ASSERT_TRUE(Loaded.contains(QStringLiteral("libQt6Widgets")));
  ASSERT_TRUE(Loaded.contains(QStringLiteral("plugins/platforms")));
  for (const char* Unwanted :
       {"plugins/imageformats/", "plugins/iconengines/", "libQt6Network", "libxlsxwriter"})
    EXPECT_FALSE(Loaded.contains(QLatin1String(Unwanted))) << Unwanted << " was loaded";
}

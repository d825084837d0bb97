// Runs the window tests on the offscreen platform, with the settings and data folders in a
// temporary folder (set before the QApplication exists) so that no test touches the user's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QTemporaryDir Home;
  if (!Home.isValid()) return 1;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("XDG_CONFIG_HOME", Home.filePath(QStringLiteral("config")).toLocal8Bit());
  qputenv("XDG_DATA_HOME", Home.filePath(QStringLiteral("data")).toLocal8Bit());
  qputenv("LC_ALL", "C.UTF-8");  // the tests' expected texts use "." and ","
  QApplication App(argc, argv);
  return RUN_ALL_TESTS();
}

// Runs the terminal program's tests with the settings and data folders in a temporary folder
// and the "C" locale, so that no test reads the user's settings and every expected text holds.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QTemporaryDir Home;
  if (!Home.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", Home.filePath(QStringLiteral("config")).toLocal8Bit());
  qputenv("XDG_DATA_HOME", Home.filePath(QStringLiteral("data")).toLocal8Bit());
  qputenv("LC_ALL", "C.UTF-8");
  qunsetenv("NO_COLOR");
  QCoreApplication App(argc, argv);
  return RUN_ALL_TESTS();
}

// Runs the window's language tests as the program starts: in the system's language, which
// ctest sets through LC_ALL, with the settings and data folders in a temporary folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "Translation.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QTemporaryDir Home;
  if (!Home.isValid()) return 1;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("XDG_CONFIG_HOME", Home.filePath(QStringLiteral("config")).toLocal8Bit());
  qputenv("XDG_DATA_HOME", Home.filePath(QStringLiteral("data")).toLocal8Bit());
  QApplication App(argc, argv);
  Translation::Install(Translation::Resolve(QString()));
  return RUN_ALL_TESTS();
}

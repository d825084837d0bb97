// Runs the store tests with the settings and data folders in a temporary folder, so that
// nothing a test does (on purpose or by mistake) reaches the user's own settings or history.
#include <gtest/gtest.h>

#include <QTemporaryDir>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QTemporaryDir Home;
  if (!Home.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", Home.filePath(QStringLiteral("config")).toLocal8Bit());
  qputenv("XDG_DATA_HOME", Home.filePath(QStringLiteral("data")).toLocal8Bit());
  return RUN_ALL_TESTS();
}

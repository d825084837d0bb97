// Runs the tests of the tape's files; reading rich text back as HTML needs a GUI application,
// on the offscreen platform.
#include <gtest/gtest.h>

#include <QGuiApplication>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication App(argc, argv);
  return RUN_ALL_TESTS();
}

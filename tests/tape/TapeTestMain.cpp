// Runs the tape tests on the offscreen platform; the Annotation dialog needs an application.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication App(argc, argv);
  return RUN_ALL_TESTS();
}

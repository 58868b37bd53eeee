// The main of every Qt test suite. The widgets need a QApplication before any test makes
// one; the tests run on Qt's offscreen platform unless another one is asked for (test
// discovery runs the program without CTest's environment).
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

// The widgets need an application object before any test makes one. Without a display
// (as when the build lists the tests) the offscreen platform stands in, unless the caller
// chose a platform.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

// Vardeln — MIT licence, see LICENSE.
// Runs GoogleTest inside a QApplication, so widget tests can create windows and use the
// clipboard.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

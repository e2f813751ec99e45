// Vardeln — MIT licence, see LICENSE.
// Runs GoogleTest inside a QApplication, so widget tests can create windows and use the
// clipboard. Without a display of its own choosing it uses Qt's offscreen platform, also
// when CTest lists the tests before running them. Every window reads and writes numbers as
// in the C locale, whatever the locale of the machine running the tests, unless a test sets
// another on it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QLocale::setDefault(QLocale::c());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

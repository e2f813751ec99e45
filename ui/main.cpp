// Vardeln — MIT licence, see LICENSE.
#include <QApplication>

#include "vardeln.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("org.vardeln.Vardeln"));
  vardeln::Vardeln window;
  window.show();
  return application.exec();
}

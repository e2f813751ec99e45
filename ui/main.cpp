// Vardeln — MIT licence, see LICENSE.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "command_line_options.h"
#include "vardeln.h"

int main(int argc, char** argv) {
  if (const auto status = vardeln::answerCommandLine(argc, argv)) return *status;
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("org.vardeln.Vardeln"));
  vardeln::Vardeln window;
  window.show();
  const int status = application.exec();
  // Qt 6.4 on Wayland can hang for good while it closes its connection to the compositor:
  // its event thread waits for a read that never comes. The window is closed by now and
  // nothing is left to save, so the program ends without that teardown.
  if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
    std::fflush(nullptr);
    std::_Exit(status);
  }
  return status;
}

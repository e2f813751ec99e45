// Vardeln — MIT licence, see LICENSE.
#include <QApplication>

#include "command_line_options.h"
#include "sparing_style.h"
#include "vardeln.h"
#include "wayland_exit.h"

int main(int argc, char** argv) {
  if (const auto status = vardeln::answerCommandLine(argc, argv)) return *status;
  QApplication application(argc, argv);
  QApplication::setStyle(new vardeln::SparingStyle);
  QGuiApplication::setDesktopFileName(QStringLiteral("org.vardeln.Vardeln"));
  vardeln::Vardeln window;
  window.show();
  const int status = application.exec();
  vardeln::exitBeforeWaylandTeardown(status);
  return status;
}

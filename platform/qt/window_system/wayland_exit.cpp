// Vardeln — MIT licence, see LICENSE.
#include "wayland_exit.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace vardeln {

void exitBeforeWaylandTeardown(int status) {
  if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
  // What the program wrote to its streams still reaches them; only Qt's teardown is left out.
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace vardeln

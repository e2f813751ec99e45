// Vardeln — MIT licence, see LICENSE.
// The baseline of the window's memory benchmark: an empty Qt main window, shown and idle.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Empty window"));
  window.show();
  return application.exec();
}

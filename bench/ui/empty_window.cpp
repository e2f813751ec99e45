// Vardeln — MIT licence, see LICENSE.
// The baselines of the window's memory benchmark, shown and idle: an empty Qt main window,
// or with --menu-and-text the least window that draws text as the converter's does, a menu
// bar with one menu and a line edit holding "0".
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <cstring>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Empty window"));
  if (argc > 1 && std::strcmp(argv[1], "--menu-and-text") == 0) {
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.setCentralWidget(new QLineEdit(QStringLiteral("0")));
  }
  window.show();
  return application.exec();
}

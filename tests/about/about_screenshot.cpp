// Vardeln — MIT licence, see LICENSE.
// Shows the About box at a known place on a real display until it is closed, so that
// take_screenshot.sh can photograph it for the documentation.
#include <QApplication>

#include "about/frm_about.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  vardeln::FrmAbout dialog;
  dialog.move(40, 40);
  dialog.show();
  return application.exec();
}

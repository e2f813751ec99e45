// Vardeln — MIT licence, see LICENSE.
// Creating the window in its start state, and closing it.
#include "vardeln.h"

#include <QCloseEvent>

#include "about_dialog.h"
#include "categories.h"
#include "text_box.h"

namespace vardeln {

Vardeln::Vardeln(QWidget* parent) : QMainWindow(parent) {
  createControls();
  placeControls();
  createMenus();
  showStartState();
  centreOnScreen();
}

void Vardeln::showStartState() {
  inputText->setBoxText(QStringLiteral("0"));
  selectCategory(*categoryByMenuItem("areaMenu"));
  inputText->setFocus();
}

void Vardeln::closeEvent(QCloseEvent* event) {
  // The About box goes with the window it belongs to, not later with the program.
  delete aboutDialog;
  event->accept();
}

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
// Creating, loading and unloading the window.
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
  load();
  centreOnScreen();
}

void Vardeln::load() {
  inputText->setBoxText(QStringLiteral("0"));
  selectCategory(*categoryByMenuItem("areaMenu"));
  inputText->setFocus();
}

void Vardeln::closeEvent(QCloseEvent* event) {
  unload();
  event->accept();
}

void Vardeln::unload() { delete aboutDialog; }

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
// Creating, loading and unloading the window.
#include "ui/vardeln.h"

#include <QCloseEvent>

#include "about/frm_about.h"
#include "engine/categories.h"
#include "platform/qt/text_box.h"

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

void Vardeln::unload() { delete frmAbout; }

}  // namespace vardeln

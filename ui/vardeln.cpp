// Vardeln — MIT licence, see LICENSE.
// Creating and closing the window.
#include "vardeln.h"

#include <QCloseEvent>

#include "about_dialog.h"
#include "text_box.h"

namespace vardeln {

Vardeln::Vardeln(QWidget* parent) : QMainWindow(parent) {
  createControls();
  placeControls();
  createMenus();
  // The converter's start: every control drawn from it once.
  showChanges(Converter::kCategory | Converter::kUnits | Converter::kNumber |
              Converter::kResult | Converter::kNote);
  inputText->setFocus();
  centreOnScreen();
}

void Vardeln::closeEvent(QCloseEvent* event) {
  delete aboutDialog;
  event->accept();
}

}  // namespace vardeln

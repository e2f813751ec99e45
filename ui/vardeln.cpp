// Vardeln — MIT licence, see LICENSE.
// Creating and closing the window.
#include "vardeln.h"

#include <QCloseEvent>

#include "frm_about.h"
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
  delete frmAbout;
  event->accept();
}

}  // namespace vardeln

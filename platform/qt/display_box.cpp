// Vardeln — MIT licence, see LICENSE.
#include "display_box.h"

#include "display_box_accessible.h"

namespace vardeln {

DisplayBox::DisplayBox(QWidget* parent) : QLineEdit(parent) {
  installDisplayBoxAccessibility();
  setReadOnly(true);
  setFocusPolicy(Qt::NoFocus);
}

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
#include "display_box.h"

#include "accessible_interfaces.h"

namespace vardeln {

DisplayBox::DisplayBox(QWidget* parent) : QLineEdit(parent) {
  installAccessibleInterfaces();
  setReadOnly(true);
  setFocusPolicy(Qt::NoFocus);
  // A text wider than the box shows its start (a result's sign and leading digits): the box
  // puts its caret after the text it is given and scrolls there, and a box that takes no
  // focus cannot be scrolled back.
  connect(this, &QLineEdit::cursorPositionChanged, this, [this](int, int now) {
    if (now != 0) setCursorPosition(0);
  });
}

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
#include "display_box_accessible.h"

#include "display_box.h"

namespace vardeln {

// Qt's role for a line of text: AT-SPI calls it text, and the states below say that it is
// not to be edited.
DisplayBoxAccessible::DisplayBoxAccessible(DisplayBox* box)
    : ReadOnlyTextAccessible(box, QAccessible::EditableText) {}

DisplayBox* DisplayBoxAccessible::box() const { return static_cast<DisplayBox*>(widget()); }

QString DisplayBoxAccessible::text(QAccessible::Text kind) const {
  if (kind == QAccessible::Value) return box()->text();
  return QAccessibleWidget::text(kind);
}

QAccessible::State DisplayBoxAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.readOnly = true;
  state.editable = false;
  state.focusable = false;
  state.selectableText = false;
  return state;
}

QString DisplayBoxAccessible::shownText() const { return box()->text(); }

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
#include "check_menu_item.h"

namespace vardeln {

CheckMenuItem::CheckMenuItem(const QString& caption, bool checked, QObject* parent)
    : QAction(caption, parent) {
  setCheckable(true);
  setChecked(checked);
  connect(this, &QAction::triggered, this, [this](bool flippedTo) {
    setChecked(!flippedTo);
    emit chosen();
  });
}

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
#include "drop_down_list_accessible.h"

#include <QAbstractItemView>

#include "drop_down_list.h"

namespace vardeln {

DropDownListAccessible::DropDownListAccessible(DropDownList* list)
    : ReadOnlyTextAccessible(list, QAccessible::ComboBox) {}

DropDownList* DropDownListAccessible::list() const { return static_cast<DropDownList*>(widget()); }

QString DropDownListAccessible::text(QAccessible::Text kind) const {
  switch (kind) {
    case QAccessible::Name:
      // A list nobody has named is at least known by its entry.
      return list()->accessibleName().isEmpty() ? list()->listText() : list()->accessibleName();
    case QAccessible::Value:
      return list()->listText();
    case QAccessible::Description:
      // The tool tip names the chosen entry, which the value already gives.
      return list()->accessibleDescription();
    default:
      return QAccessibleWidget::text(kind);
  }
}

QAccessible::State DropDownListAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.expandable = true;
  state.expanded = list()->view()->isVisible();
  // Not read-only: the user cannot type into the list but does change its value.
  return state;
}

int DropDownListAccessible::childCount() const { return 1; }

QAccessibleInterface* DropDownListAccessible::child(int index) const {
  return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
}

int DropDownListAccessible::indexOfChild(const QAccessibleInterface* child) const {
  return child != nullptr && child->object() == list()->view() ? 0 : -1;
}

QStringList DropDownListAccessible::actionNames() const {
  return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
}

void DropDownListAccessible::doAction(const QString& actionName) {
  if (actionName == showMenuAction() || actionName == pressAction()) {
    if (list()->view()->isVisible()) {
      list()->hidePopup();
    } else {
      list()->showPopup();
    }
    return;
  }
  QAccessibleWidget::doAction(actionName);
}

QString DropDownListAccessible::shownText() const { return list()->listText(); }

void announceEntry(DropDownList& list, const QString& previous) {
  QAccessibleTextUpdateEvent event(&list, 0, previous, list.listText());
  QAccessible::updateAccessibility(&event);
}

}  // namespace vardeln

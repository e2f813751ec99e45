// Vardeln — MIT licence, see LICENSE.
#include "shown_text_accessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QRect>

namespace vardeln {

ShownTextAccessible::ShownTextAccessible(QWidget* control, QAccessible::Role role)
    : QAccessibleWidget(control, role) {}

QComboBox* ShownTextAccessible::list() const { return qobject_cast<QComboBox*>(widget()); }

QString ShownTextAccessible::shownText() const {
  if (const QComboBox* list = this->list()) return list->currentText();
  return static_cast<const QLineEdit*>(widget())->text();
}

void* ShownTextAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString ShownTextAccessible::text(QAccessible::Text kind) const {
  switch (kind) {
    case QAccessible::Name:
      // A control nobody has named is at least known by what it shows.
      return widget()->accessibleName().isEmpty() ? shownText() : widget()->accessibleName();
    case QAccessible::Value:
      return shownText();
    case QAccessible::Description: {
      // The tool tip, unless it only names what the value already gives (a list's entry).
      const QString description = QAccessibleWidget::text(kind);
      return description == shownText() ? QString() : description;
    }
    default:
      return QAccessibleWidget::text(kind);
  }
}

QAccessible::State ShownTextAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  if (const QComboBox* list = this->list()) {
    // Not read-only: the user cannot type into the list but does change its value.
    state.expandable = true;
    state.expanded = list->view()->isVisible();
  } else {
    state.readOnly = true;
  }
  return state;
}

int ShownTextAccessible::childCount() const { return list() != nullptr ? 1 : 0; }

QAccessibleInterface* ShownTextAccessible::child(int index) const {
  const QComboBox* list = this->list();
  return list != nullptr && index == 0 ? QAccessible::queryAccessibleInterface(list->view())
                                       : nullptr;
}

int ShownTextAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const QComboBox* list = this->list();
  return list != nullptr && child != nullptr && child->object() == list->view() ? 0 : -1;
}

QStringList ShownTextAccessible::actionNames() const {
  if (list() == nullptr) return QAccessibleWidget::actionNames();
  return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
}

void ShownTextAccessible::doAction(const QString& actionName) {
  QComboBox* list = this->list();
  if (list != nullptr && (actionName == showMenuAction() || actionName == pressAction())) {
    if (list->view()->isVisible()) {
      list->hidePopup();
    } else {
      list->showPopup();
    }
    return;
  }
  QAccessibleWidget::doAction(actionName);
}

void ShownTextAccessible::selection(int, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = 0;
}

int ShownTextAccessible::selectionCount() const { return 0; }

void ShownTextAccessible::addSelection(int, int) {}

void ShownTextAccessible::removeSelection(int) {}

void ShownTextAccessible::setSelection(int, int, int) {}

int ShownTextAccessible::cursorPosition() const { return 0; }

void ShownTextAccessible::setCursorPosition(int) {}

QString ShownTextAccessible::text(int startOffset, int endOffset) const {
  const QString shown = shownText();
  // AT-SPI asks for the whole text with an end of -1.
  if (endOffset < 0 || endOffset > shown.size()) endOffset = static_cast<int>(shown.size());
  if (startOffset < 0 || startOffset >= endOffset) return {};
  return shown.mid(startOffset, endOffset - startOffset);
}

int ShownTextAccessible::characterCount() const { return static_cast<int>(shownText().size()); }

QRect ShownTextAccessible::characterRect(int) const { return {}; }

int ShownTextAccessible::offsetAtPoint(const QPoint&) const { return -1; }

void ShownTextAccessible::scrollToSubstring(int, int) {}

QString ShownTextAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = offset;
  *endOffset = offset;
  return {};
}

}  // namespace vardeln

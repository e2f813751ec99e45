// Vardeln — MIT licence, see LICENSE.
#include "read_only_text_accessible.h"

#include <QRect>

namespace vardeln {

ReadOnlyTextAccessible::ReadOnlyTextAccessible(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role) {}

void* ReadOnlyTextAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

void ReadOnlyTextAccessible::selection(int, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = 0;
}

int ReadOnlyTextAccessible::selectionCount() const { return 0; }

void ReadOnlyTextAccessible::addSelection(int, int) {}

void ReadOnlyTextAccessible::removeSelection(int) {}

void ReadOnlyTextAccessible::setSelection(int, int, int) {}

int ReadOnlyTextAccessible::cursorPosition() const { return 0; }

void ReadOnlyTextAccessible::setCursorPosition(int) {}

QString ReadOnlyTextAccessible::text(int startOffset, int endOffset) const {
  const QString shown = shownText();
  // AT-SPI asks for the whole text with an end of -1.
  if (endOffset < 0 || endOffset > shown.size()) endOffset = static_cast<int>(shown.size());
  if (startOffset < 0 || startOffset >= endOffset) return {};
  return shown.mid(startOffset, endOffset - startOffset);
}

int ReadOnlyTextAccessible::characterCount() const { return static_cast<int>(shownText().size()); }

QRect ReadOnlyTextAccessible::characterRect(int) const { return {}; }

int ReadOnlyTextAccessible::offsetAtPoint(const QPoint&) const { return -1; }

void ReadOnlyTextAccessible::scrollToSubstring(int, int) {}

QString ReadOnlyTextAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = offset;
  *endOffset = offset;
  return {};
}

}  // namespace vardeln

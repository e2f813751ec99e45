// Vardeln — MIT licence, see LICENSE.
#include "read_only_accessible_text.h"

#include <QRect>

namespace vardeln {

void ReadOnlyAccessibleText::selection(int, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = 0;
}

int ReadOnlyAccessibleText::selectionCount() const { return 0; }

void ReadOnlyAccessibleText::addSelection(int, int) {}

void ReadOnlyAccessibleText::removeSelection(int) {}

void ReadOnlyAccessibleText::setSelection(int, int, int) {}

int ReadOnlyAccessibleText::cursorPosition() const { return 0; }

void ReadOnlyAccessibleText::setCursorPosition(int) {}

QString ReadOnlyAccessibleText::text(int startOffset, int endOffset) const {
  const QString shown = shownText();
  // AT-SPI asks for the whole text with an end of -1.
  if (endOffset < 0 || endOffset > shown.size()) endOffset = static_cast<int>(shown.size());
  if (startOffset < 0 || startOffset >= endOffset) return {};
  return shown.mid(startOffset, endOffset - startOffset);
}

int ReadOnlyAccessibleText::characterCount() const { return static_cast<int>(shownText().size()); }

QRect ReadOnlyAccessibleText::characterRect(int) const { return {}; }

int ReadOnlyAccessibleText::offsetAtPoint(const QPoint&) const { return -1; }

void ReadOnlyAccessibleText::scrollToSubstring(int, int) {}

QString ReadOnlyAccessibleText::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = offset;
  *endOffset = offset;
  return {};
}

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QAccessibleTextInterface>

namespace vardeln {

/// The text interface of a control whose text a screen reader may read but nobody edits
/// through it: the whole text, with neither caret nor selection to move.
class ReadOnlyAccessibleText : public QAccessibleTextInterface {
 public:
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 protected:
  /// The text as the control shows it.
  virtual QString shownText() const = 0;
};

}  // namespace vardeln

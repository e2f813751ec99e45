// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QAccessibleTextInterface>
#include <QAccessibleWidget>

namespace vardeln {

/// How a screen reader sees a control whose text it may read but nobody edits through it:
/// the widget's own accessible interface with a text interface over the whole shown text,
/// with neither caret nor selection to move.
class ReadOnlyTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  ReadOnlyTextAccessible(QWidget* widget, QAccessible::Role role);

  using QAccessibleWidget::text;
  void* interface_cast(QAccessible::InterfaceType type) override;

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

// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QAccessibleTextInterface>
#include <QAccessibleWidget>

class QComboBox;

namespace vardeln {

/// How a screen reader sees a control that shows one text nobody edits through it: the
/// display box (text, read-only) and the drop-down list (a combo box whose text is its chosen
/// entry, which the user changes by choosing another).
///
/// The control is named by its accessible name ("Result", "Convert from"), or by what it shows
/// when nobody has named it; its value is the text it shows, readable whole through the text
/// interface, with neither caret nor selection to move. Qt's own combo box on Linux would take
/// its name from the chosen entry instead, so two lists showing "Acres" would sound the same;
/// and its own read-only line edit is announced as editable text that takes the focus.
class ShownTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  ShownTextAccessible(QWidget* control, QAccessible::Role role);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text kind) const override;
  QAccessible::State state() const override;

  // A list's drop-down of entries is its one child, as with Qt's own combo box, and opening
  // it is its action.
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

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

 private:
  /// The control as a list, or null for a box.
  QComboBox* list() const;
  /// The text as the control shows it.
  QString shownText() const;
};

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QLineEdit>

namespace vardeln {

/// A single-line box that shows a text only the program writes: the user can neither type
/// into it nor give it the focus, a screen reader reads it as read-only text, and a text
/// wider than the box always shows its start.
///
/// A plain read-only QLineEdit is still announced as editable text that takes the focus;
/// this box is announced by its accessible name with its text, and nothing more.
class DisplayBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit DisplayBox(QWidget* parent = nullptr);
};

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QLineEdit>

namespace vardeln {

/// A single-line text box that holds at most the number of characters it is given (counted in
/// UTF-16 code units, as QString does).
///
/// A text that would leave the box longer than that is refused whole before the box takes it
/// in, however the user offers it: pasted with a key, the middle button or the box's own
/// menu, dropped, typed or composed. The box keeps its text, the clipboard keeps its data,
/// and longTextRefused() is raised instead of textChanged(). Nothing is ever cut short: a
/// shortened text can be another number, or a number where the whole text was none.
class TextBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit TextBox(int longestText, QWidget* parent = nullptr);

  int longestText() const { return longestText_; }

 signals:
  /// A text too long for the box was offered and refused; the box kept its text.
  void longTextRefused();

 protected:
  // The ways a typed, pasted or dropped text reaches the box: refused here, before QLineEdit
  // takes in (and keeps an undo step for) every character of a text it would have to undo.
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  /// Whether putting the text in place of the selection would overflow the box; raises
  /// longTextRefused() when it would.
  bool refuseInsertion(const QString& inserted);
  /// Raises longTextRefused(), and gives back the memory the refused text took once it is
  /// gone.
  void refuse();

  int longestText_;
};

}  // namespace vardeln

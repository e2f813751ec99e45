// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QLineEdit>

namespace vardeln {

/// A single-line text box that raises boxTextChanged() after every change of its text,
/// whether the user typed it or the program set it, and holds at most kLongestText
/// characters.
///
/// QLineEdit stays silent when the program sets the text it already holds; setBoxText()
/// still raises boxTextChanged() then, at once and before it returns, so a command that sets
/// the text can rely on the result having been recalculated.
///
/// A text that would leave the box longer than kLongestText is refused whole, however it
/// comes: set by the program, pasted with a key, the middle button or the box's own menu,
/// dropped, typed or composed. The box keeps its text, the clipboard keeps its data, and
/// tooLong() is raised instead of boxTextChanged(). Nothing is ever cut short: a shortened
/// text can be another number, or a number where the whole text was none.
class TextBox : public QLineEdit {
  Q_OBJECT

 public:
  /// Longer than any number a user can mean (every double written out in full, without an
  /// exponent, takes at most 1077 characters), and short enough that laying out, painting
  /// and typing into a full box stay instant. Counted in UTF-16 code units, as QString does.
  static constexpr int kLongestText = 4096;

  explicit TextBox(QWidget* parent = nullptr);

  /// Replaces the whole text and raises boxTextChanged() before returning, even when the text
  /// is the same as before. A text longer than kLongestText leaves the box as it is and raises
  /// tooLong() instead. Returns whether the text was taken.
  bool setBoxText(const QString& text);

 signals:
  void boxTextChanged();
  /// A text too long for the box was offered and refused; the box kept its text.
  void tooLong();

 protected:
  // The ways a typed, pasted or dropped text reaches the box: refused here, before QLineEdit
  // takes in (and keeps an undo step for) every character of a text it would have to undo.
  void keyPressEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  /// Whether putting the text in place of the selection would overflow the box; raises
  /// tooLong() when it would.
  bool refuseInsertion(const QString& inserted);
  /// Raises tooLong(), and gives back the memory the refused text took once it is gone.
  void refuse();
};

}  // namespace vardeln

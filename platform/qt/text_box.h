// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QLineEdit>

namespace vardeln {

/// A single-line text box that raises change() after every change of its text, whether the
/// user typed it or the program set it, and holds a text of any length.
///
/// QLineEdit stays silent when the program sets the text it already holds; setBoxText()
/// still raises change() then, at once and before it returns, so a command that sets the
/// text can rely on the result having been recalculated.
class TextBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit TextBox(QWidget* parent = nullptr);

  /// Replaces the whole text and raises change() before returning, even when the text is
  /// the same as before.
  void setBoxText(const QString& text);

 signals:
  void change();
};

}  // namespace vardeln

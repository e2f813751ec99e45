// Vardeln — MIT licence, see LICENSE.
#include "text_box.h"

#include <limits>

namespace vardeln {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
  // QLineEdit cuts a text at 32767 characters by default. A cut paste is a different
  // number, or turns text that is not a number into one, so the box keeps every character.
  setMaxLength(std::numeric_limits<int>::max());
  connect(this, &QLineEdit::textChanged, this, &TextBox::change);
}

void TextBox::setBoxText(const QString& newText) {
  if (newText == text()) {
    emit change();
  } else {
    setText(newText);
  }
}

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
#include "text_box.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QValidator>
#include <limits>

#include "freed_memory.h"

namespace vardeln {
namespace {

// Every edit the user makes passes through the box's validator; QLineEdit undoes an edit
// the validator calls invalid, whole. This catches what the event handlers below do not
// see, such as an input method's text arriving at a full box. The program's own setText()
// is not undone by it: what the program sets has already been weighed.
class LengthBound final : public QValidator {
 public:
  explicit LengthBound(TextBox* box) : QValidator(box), box_(box) {}

  State validate(QString& text, int& /*position*/) const override {
    if (text.size() <= box_->longestText()) return Acceptable;
    // Raised once QLineEdit has finished undoing the edit, so a handler finds the box whole.
    QMetaObject::invokeMethod(box_, &TextBox::longTextRefused, Qt::QueuedConnection);
    return Invalid;
  }

 private:
  TextBox* box_;
};

// The text a key would type: a printable text with no Control, Alt or Meta held.
QString typedText(const QKeyEvent* event) {
  const QString text = event->text();
  const bool shortcut =
      (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
  return (shortcut || text.isEmpty() || !text.front().isPrint()) ? QString() : text;
}

}  // namespace

TextBox::TextBox(int longestText, QWidget* parent) : QLineEdit(parent), longestText_(longestText) {
  // QLineEdit's own limit cuts a text short without a word, so it is set out of reach and
  // the bound is kept by refusing whole texts instead.
  setMaxLength(std::numeric_limits<int>::max());
  setValidator(new LengthBound(this));
}

bool TextBox::refuseInsertion(const QString& inserted) {
  if (text().size() - selectedText().size() + inserted.size() <= longestText_) return false;
  refuse();
  return true;
}

void TextBox::refuse() {
  emit longTextRefused();
  // Once the refused text and the clipboard's copies of it are gone, after the command.
  QTimer::singleShot(0, this, [] { returnFreedMemory(); });
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  if (!isReadOnly()) {
    const QString inserted = event->matches(QKeySequence::Paste)
                                 ? QGuiApplication::clipboard()->text()
                                 : typedText(event);
    if (!inserted.isEmpty() && refuseInsertion(inserted)) {
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the text selected in any program, where the system has one.
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly() &&
      refuseInsertion(clipboard->text(QClipboard::Selection))) {
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void TextBox::dropEvent(QDropEvent* event) {
  const QMimeData* dropped = event->mimeData();
  if (dropped != nullptr && dropped->hasText() && !isReadOnly() &&
      refuseInsertion(dropped->text())) {
    event->ignore();
    return;
  }
  QLineEdit::dropEvent(event);
}

void TextBox::contextMenuEvent(QContextMenuEvent* event) {
  // QLineEdit's own menu, whose Paste first weighs the clipboard's text. The item is known by
  // the caption QLineEdit gives it, looked up in QLineEdit's own translations.
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  const QString pasteCaption = QCoreApplication::translate("QLineEdit", "&Paste");
  for (QAction* item : menu->actions()) {
    if (!item->text().startsWith(pasteCaption)) continue;
    item->disconnect(this);
    connect(item, &QAction::triggered, this, [this] {
      if (!refuseInsertion(QGuiApplication::clipboard()->text())) paste();
    });
  }
  menu->popup(event->globalPos());
}

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
// The Edit, File and Help commands. The Edit commands work on whole boxes, never on a
// selection, and use the system clipboard as plain text.
#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

#include "freed_memory.h"
#include "about_dialog.h"
#include "vardeln.h"

namespace vardeln {
namespace {

void putOnClipboard(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(QString::fromStdString(text));
}

}  // namespace

void Vardeln::cut() {
  const Converter::Cut cut = converter.cut();
  putOnClipboard(cut.clipboard);
  showChanges(cut.changed);
}

void Vardeln::copy() { putOnClipboard(converter.copy()); }

void Vardeln::paste() {
  showChanges(converter.paste(QGuiApplication::clipboard()->text().toStdString()));
  // A clipboard of megabytes, refused or not, leaves memory behind once its copies are gone.
  QTimer::singleShot(0, this, [] { returnFreedMemory(); });
}

void Vardeln::reset() { showChanges(converter.reset()); }

void Vardeln::exitProgram() { close(); }

void Vardeln::about() {
  if (aboutDialog == nullptr) aboutDialog = new AboutDialog(this);
  aboutDialog->exec();
}

}  // namespace vardeln

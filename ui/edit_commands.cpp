// Vardeln — MIT licence, see LICENSE.
// The Edit, File and Help commands. The Edit commands work on whole boxes, never on a
// selection, and use the clipboard as plain text.
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

#include "about_dialog.h"
#include "drop_down_list.h"
#include "text_box.h"
#include "vardeln.h"

namespace vardeln {

void Vardeln::cut() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(inputText->text());
  inputText->setBoxText(QString());
}

void Vardeln::copy() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  // The conversion as one line, "1 Hectares = 10000 Meters Square", exactly as the boxes
  // and lists show it: no trimming, no line break. A stale result is no conversion of the
  // number, so the fault that stopped it stands in its place: "1e308 Acres = Overflow Acres".
  clipboard->setText(QStringLiteral("%1 %2 = %3 %4")
                         .arg(inputText->text(), inputUnit->listText(), exportedResult(),
                              outputUnit->listText()));
}

// A text longer than the number box holds is refused whole (never cut short: a shortened
// text can be another number); the box and the clipboard keep what they held.
void Vardeln::paste() { inputText->setBoxText(QGuiApplication::clipboard()->text()); }

// The note stands until the next recalculation that writes a result, as a fault's does. It
// is drawn in the window's own text colour: it names no fault of the result.
void Vardeln::longTextRefused() {
  faultNote->setText(tr("Too long: over %1 characters").arg(TextBox::kLongestText));
  faultNote->setPalette(QPalette());
  faultNote->show();
}

void Vardeln::reset() {
  inputText->setBoxText(QString());
  // Emptied after the recalculation the empty number causes, so the result box ends empty.
  outputText->setText(QString());
}

void Vardeln::exitProgram() { close(); }

void Vardeln::about() {
  if (aboutDialog == nullptr) aboutDialog = new AboutDialog(this);
  aboutDialog->exec();
}

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
// The Edit, File and Help commands. The Edit commands work on whole boxes, never on a
// selection, and use the clipboard as plain text.
#include <QClipboard>
#include <QGuiApplication>

#include "frm_about.h"
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
  // and lists show it: no trimming, no line break.
  clipboard->setText(QStringLiteral("%1 %2 = %3 %4")
                         .arg(inputText->text(), inputUnit->listText(), outputText->text(),
                              outputUnit->listText()));
}

void Vardeln::paste() { inputText->setBoxText(QGuiApplication::clipboard()->text()); }

void Vardeln::reset() {
  inputText->setBoxText(QString());
  // Emptied after the recalculation the empty number causes, so the result box ends empty.
  outputText->setText(QString());
}

void Vardeln::exitProgram() { close(); }

void Vardeln::about() {
  if (frmAbout == nullptr) frmAbout = new FrmAbout(this);
  frmAbout->exec();
}

}  // namespace vardeln

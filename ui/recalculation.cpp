// Vardeln — MIT licence, see LICENSE.
// Keeping the result current: every change of the number and every choice or key in a unit
// list recalculates at once. A run stopped by a fault leaves the result box stale until a
// later run writes a result: the box says so, and Copy exports the fault in its place.
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "conversion.h"
#include "fp_status.h"
#include "drop_down_list.h"
#include "text_box.h"
#include "vardeln.h"

namespace vardeln {
namespace {

std::string_view bytes(const QByteArray& utf8) {
  return {utf8.constData(), static_cast<std::size_t>(utf8.size())};
}

// The colour of a fault: a red that stands out from the text around it, dark on a light
// window and light on a dark one.
QColor faultColour(const QPalette& palette) {
  return palette.color(QPalette::Window).lightness() < 128 ? QColor(255, 110, 110)
                                                           : QColor(176, 0, 0);
}

// Draws the widget's text in the colour, whether it is enabled or not.
void paintTextIn(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::All, role, colour);
  widget->setPalette(palette);
}

}  // namespace

void Vardeln::sourceUnitChosen() {
  // Resting the pointer on the number or on its list names the unit it is in.
  inputUnit->setToolTip(inputUnit->listText());
  inputText->setToolTip(inputUnit->listText());
  recalculate();
}

void Vardeln::targetUnitChosen() {
  outputUnit->setToolTip(outputUnit->listText());
  outputText->setToolTip(outputUnit->listText());
  recalculate();
}

void Vardeln::recalculate() {
  // One UTF-8 copy of each text: a pasted input can run to megabytes.
  const QByteArray input = inputText->text().toUtf8();
  const QByteArray source = inputUnit->listText().toUtf8();
  const QByteArray target = outputUnit->listText().toUtf8();
  const ConversionOutcome outcome =
      runConversion(checkedCategory(), bytes(input), bytes(source), bytes(target));
  switch (outcome.kind) {
    case ConversionOutcome::Kind::Write:
      outputText->setText(QString::fromStdString(outcome.text));
      markResultCurrent();
      break;
    case ConversionOutcome::Kind::Fault:
      // The result keeps what it showed; a note says why it did not change.
      markResultStale(QString::fromUtf8(faultName(outcome.fault)));
      break;
    case ConversionOutcome::Kind::LeaveUnchanged:
      break;
  }
  emit conversionRan();
}

void Vardeln::markResultStale(const QString& fault) {
  resultFault = fault;
  faultNote->setText(fault);
  const QColor colour = faultColour(palette());
  paintTextIn(faultNote, QPalette::WindowText, colour);
  paintTextIn(outputText, QPalette::Text, colour);
  // A screen reader hears the fault with the result, as a sighted user sees the colour.
  outputText->setAccessibleDescription(fault);
  faultNote->show();
}

void Vardeln::markResultCurrent() {
  resultFault.clear();
  faultNote->hide();
  outputText->setPalette(QPalette());
  outputText->setAccessibleDescription(QString());
}

QString Vardeln::exportedResult() const {
  return resultFault.isEmpty() ? outputText->text() : resultFault;
}

}  // namespace vardeln

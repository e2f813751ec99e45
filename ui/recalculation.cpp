// Vardeln — MIT licence, see LICENSE.
// Keeping the result current: every change of the number and every choice or key in a unit
// list recalculates at once.
#include <QLabel>

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

}  // namespace

void Vardeln::sourceUnitChosen() {
  // Resting the pointer on the number or on its list names the unit it is in.
  inputUnit->setToolTip(inputUnit->listText());
  inputText->setToolTip(inputUnit->listText());
  RunConversion();
}

void Vardeln::targetUnitChosen() {
  outputUnit->setToolTip(outputUnit->listText());
  outputText->setToolTip(outputUnit->listText());
  RunConversion();
}

void Vardeln::RunConversion() {
  // One UTF-8 copy of each text: a pasted input can run to megabytes.
  const QByteArray input = inputText->text().toUtf8();
  const QByteArray source = inputUnit->listText().toUtf8();
  const QByteArray target = outputUnit->listText().toUtf8();
  const ConversionOutcome outcome =
      runConversion(checkedCategory(), bytes(input), bytes(source), bytes(target));
  switch (outcome.kind) {
    case ConversionOutcome::Kind::Write:
      outputText->setText(QString::fromStdString(outcome.text));
      faultNote->hide();
      break;
    case ConversionOutcome::Kind::Fault:
      // The result keeps what it showed; a note says why it did not change.
      faultNote->setText(QString::fromUtf8(faultName(outcome.fault)));
      faultNote->show();
      break;
    case ConversionOutcome::Kind::LeaveUnchanged:
      break;
  }
  emit conversionRan();
}

}  // namespace vardeln

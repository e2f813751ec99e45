// Vardeln — MIT licence, see LICENSE.
// Keeping the result current: every change of the number and every choice or key in a unit
// list recalculates at once.
#include <QLabel>

#include "engine/conversion.h"
#include "platform/numeric/fp_status.h"
#include "platform/qt/drop_down_list.h"
#include "platform/qt/text_box.h"
#include "ui/vardeln.h"

namespace vardeln {

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
  const ConversionOutcome outcome =
      runConversion(checkedCategory(), inputText->text().toStdString(),
                    inputUnit->listText().toStdString(), outputUnit->listText().toStdString());
  switch (outcome.kind) {
    case ConversionOutcome::Kind::Write:
      outputText->setText(QString::fromStdString(outcome.text));
      faultNote->hide();
      break;
    case ConversionOutcome::Kind::Fault: {
      // The result keeps what it showed; a note says why it did not change.
      const std::string_view name = faultName(outcome.fault);
      faultNote->setText(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
      faultNote->show();
      break;
    }
    case ConversionOutcome::Kind::LeaveUnchanged:
      break;
  }
  emit conversionRan();
}

}  // namespace vardeln

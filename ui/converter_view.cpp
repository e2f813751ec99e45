// Vardeln — MIT licence, see LICENSE.
// The window as a view of its converter: each user command goes to the converter, and what
// it changed is drawn into the controls. A stale result is drawn in the fault's colour and
// named to a screen reader; the note stands under the lists.
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

#include "check_menu_item.h"
#include "drop_down_list.h"
#include "text_box.h"
#include "vardeln.h"

namespace vardeln {
namespace {

QString qText(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string utf8(const QString& text) { return text.toStdString(); }

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

void Vardeln::chooseCategory(std::size_t index) { showChanges(converter.chooseCategory(index)); }

// A character key in a list reaches here before it moves the selection, and the move then
// comes again as a choice: the list's current entry is always the unit to convert with.
void Vardeln::sourceUnitChosen() {
  if (drawing || inputUnit->currentIndex() < 0) return;
  showChanges(converter.chooseFrom(static_cast<std::size_t>(inputUnit->currentIndex())));
}

void Vardeln::targetUnitChosen() {
  if (drawing || outputUnit->currentIndex() < 0) return;
  showChanges(converter.chooseTo(static_cast<std::size_t>(outputUnit->currentIndex())));
}

void Vardeln::numberEdited() {
  if (drawing) return;
  showChanges(converter.setNumber(utf8(inputText->text())));
}

// The box weighs an offered text before it takes it in: a text of megabytes never reaches it.
void Vardeln::longTextRefused() { showChanges(converter.refuseLongText()); }

void Vardeln::showChanges(unsigned changed) {
  drawing = true;
  if (changed & Converter::kCategory) showCategory();
  if (changed & (Converter::kCategory | Converter::kUnits)) showUnits();
  // The number is drawn whenever the box differs from it: the converter may have taken a
  // typed text otherwise than the box holds it (a line break as a blank).
  if (const QString number = qText(converter.number()); inputText->text() != number) {
    inputText->setText(number);
  }
  if (changed & Converter::kResult) showResult();
  if (changed & Converter::kNote) showNote();
  drawing = false;
  emit conversionRan();
}

void Vardeln::showCategory() {
  for (std::size_t i = 0; i < categoryItems.size(); ++i) {
    categoryItems[i]->setChecked(i == converter.categoryIndex());
  }
  for (DropDownList* list : {inputUnit, outputUnit}) {
    list->removeAllEntries();
    const auto& labels = converter.category().labels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
      list->setEntry(static_cast<int>(i), qText(labels[i]));
    }
  }
}

void Vardeln::showUnits() {
  inputUnit->setCurrentIndex(static_cast<int>(converter.fromUnit()));
  outputUnit->setCurrentIndex(static_cast<int>(converter.toUnit()));
  // Resting the pointer on a box or its list names the unit it is in.
  const QString from = qText(converter.fromLabel());
  const QString to = qText(converter.toLabel());
  inputUnit->setToolTip(from);
  inputText->setToolTip(from);
  outputUnit->setToolTip(to);
  outputText->setToolTip(to);
}

void Vardeln::showResult() {
  outputText->setText(qText(converter.result()));
  if (const auto fault = converter.staleBecause()) {
    paintTextIn(outputText, QPalette::Text, faultColour(palette()));
    // A screen reader hears the fault with the result, as a sighted user sees the colour.
    outputText->setAccessibleDescription(qText(faultName(*fault)));
  } else {
    outputText->setPalette(QPalette());
    outputText->setAccessibleDescription(QString());
  }
}

void Vardeln::showNote() {
  faultNote->setText(qText(converter.note()));
  // A refused text is no fault of the result: its note is drawn in the window's own colour.
  if (converter.noteKind() == Converter::NoteKind::Fault) {
    paintTextIn(faultNote, QPalette::WindowText, faultColour(palette()));
  } else {
    faultNote->setPalette(QPalette());
  }
  faultNote->setVisible(converter.noteKind() != Converter::NoteKind::None);
}

}  // namespace vardeln

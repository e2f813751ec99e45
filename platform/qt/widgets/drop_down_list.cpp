// Vardeln — MIT licence, see LICENSE.
#include "drop_down_list.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "accessible_interfaces.h"

namespace vardeln {
namespace {

// Tells a screen reader that the list's chosen entry replaced `previous`: Qt's own notice of a
// new selection does not reach AT-SPI for a combo box that is not numeric.
void announceEntry(DropDownList& list, const QString& previous) {
  QAccessibleTextUpdateEvent event(&list, 0, previous, list.listText());
  QAccessible::updateAccessibility(&event);
}

}  // namespace

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
  installAccessibleInterfaces();
  setEditable(false);
  connect(this, &QComboBox::currentIndexChanged, this, &DropDownList::selectionChanged);
  connect(this, &DropDownList::selectionChanged, this, [this] {
    announceEntry(*this, announcedEntry_);
    announcedEntry_ = listText();
  });
}

void DropDownList::removeAllEntries() {
  const QSignalBlocker quiet(this);
  clear();
}

void DropDownList::setEntry(int index, const QString& label) {
  const QSignalBlocker quiet(this);
  const int selected = currentIndex();
  if (index == count()) {
    addItem(label);
  } else {
    setItemText(index, label);
  }
  setCurrentIndex(selected);
}

QString DropDownList::entry(int index) const { return itemText(index); }

QString DropDownList::listText() const { return currentText(); }

void DropDownList::setListText(const QString& label) {
  const int index = findText(label, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0) setCurrentIndex(index);
}

void DropDownList::keyPressEvent(QKeyEvent* event) {
  if (!event->text().isEmpty()) emit characterKeyPressed();
  QComboBox::keyPressEvent(event);
}

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
#include "drop_down_list.h"

#include <QKeyEvent>
#include <QSignalBlocker>

#include "accessible_interfaces.h"
#include "drop_down_list_accessible.h"

namespace vardeln {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
  installAccessibleInterfaces();
  setEditable(false);
  connect(this, &QComboBox::currentIndexChanged, this, &DropDownList::selectionChanged);
  connect(this, &DropDownList::selectionChanged, this, [this] {
    announceEntry(*this, announcedEntry);
    announcedEntry = listText();
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

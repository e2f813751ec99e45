// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QAccessibleWidget>

#include "read_only_text_accessible.h"

namespace vardeln {

class DropDownList;

/// How a screen reader sees a drop-down list: a combo box named by its accessible name
/// ("Convert from"), whose value is the chosen entry, readable as text.
///
/// Qt's own combo box on Linux takes its name from the chosen entry and expects a visible
/// label beside it for the rest, so two lists showing "Acres" would sound the same. This
/// interface keeps the name for what the list is for and gives its entry as the value and as
/// read-only text; the entries themselves stay reachable as Qt's list of items.
class DropDownListAccessible : public ReadOnlyTextAccessible {
 public:
  explicit DropDownListAccessible(DropDownList* list);

  using ReadOnlyTextAccessible::text;
  QString text(QAccessible::Text kind) const override;
  QAccessible::State state() const override;

  // The drop-down's list of entries is its one child, as with Qt's own combo box.
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

 protected:
  QString shownText() const override;

 private:
  DropDownList* list() const;
};

/// Tells a screen reader that the list's chosen entry replaced `previous`: Qt's own notice
/// of a new selection does not reach AT-SPI for a combo box that is not numeric.
void announceEntry(DropDownList& list, const QString& previous);

}  // namespace vardeln

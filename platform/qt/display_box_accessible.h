// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QAccessibleWidget>

#include "read_only_accessible_text.h"

namespace vardeln {

class DisplayBox;

/// How a screen reader sees a display box: text named by its accessible name, read-only,
/// neither editable nor focusable, its shown text readable through the text interface.
class DisplayBoxAccessible : public QAccessibleWidget, public ReadOnlyAccessibleText {
 public:
  explicit DisplayBoxAccessible(DisplayBox* box);

  using ReadOnlyAccessibleText::text;
  QString text(QAccessible::Text kind) const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

 protected:
  QString shownText() const override;

 private:
  DisplayBox* box() const;
};

/// Makes every DisplayBox use DisplayBoxAccessible. Safe to call more than once.
void installDisplayBoxAccessibility();

}  // namespace vardeln

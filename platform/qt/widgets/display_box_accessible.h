// Vardeln — MIT licence, see LICENSE.
#pragma once

#include "read_only_text_accessible.h"

namespace vardeln {

class DisplayBox;

/// How a screen reader sees a display box: text named by its accessible name, read-only,
/// neither editable nor focusable, its shown text readable through the text interface.
class DisplayBoxAccessible : public ReadOnlyTextAccessible {
 public:
  explicit DisplayBoxAccessible(DisplayBox* box);

  using ReadOnlyTextAccessible::text;
  QString text(QAccessible::Text kind) const override;
  QAccessible::State state() const override;

 protected:
  QString shownText() const override;

 private:
  DisplayBox* box() const;
};

}  // namespace vardeln

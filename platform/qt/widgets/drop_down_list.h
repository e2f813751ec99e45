// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QComboBox>

namespace vardeln {

/// A drop-down list that takes no typed text, with the events the window's handlers expect:
///
/// - selectionChanged() whenever the selection changes, by the user or by setListText(), but
///   never while the program empties or fills the list: QComboBox would report clear() and
///   would select the first entry it is given by itself.
/// - characterKeyPressed() for each character key, before the key takes effect, so the
///   handler sees the selection as it was; when the key then moves the selection,
///   selectionChanged() follows.
///
/// A screen reader hears the list by its accessible name, with the chosen entry as its value,
/// and is told of every selection that raises selectionChanged().
class DropDownList : public QComboBox {
  Q_OBJECT

 public:
  explicit DropDownList(QWidget* parent = nullptr);

  /// Removes every entry, leaving no selection and an empty text.
  void removeAllEntries();

  /// Sets the entry at a zero-based index; the index equal to the number of entries
  /// appends one. The selection stays as it was: filling an empty list selects nothing.
  void setEntry(int index, const QString& label);

  QString entry(int index) const;

  /// The chosen entry's label, or the empty text when nothing is chosen.
  QString listText() const;

  /// Selects the entry whose label is exactly `label`, raising selectionChanged() when
  /// the selection changes. A label that is no entry changes nothing.
  void setListText(const QString& label);

 signals:
  void selectionChanged();
  void characterKeyPressed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The entry a screen reader was last told of, so that a new selection says what it replaced.
  QString announcedEntry_;
};

}  // namespace vardeln

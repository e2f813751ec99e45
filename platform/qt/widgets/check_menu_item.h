// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QAction>

namespace vardeln {

/// A menu item that shows a check mark which only the program sets.
///
/// A checkable QAction flips its own check mark before it reports that it was triggered.
/// This item puts the mark back before raising chosen(), so the handler finds every check
/// mark as it was and decides them all itself.
class CheckMenuItem : public QAction {
  Q_OBJECT

 public:
  CheckMenuItem(const QString& caption, bool checked, QObject* parent);

 signals:
  /// The user chose the item; its check mark is still as it was.
  void chosen();
};

}  // namespace vardeln

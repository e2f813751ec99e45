// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QDialog>

namespace vardeln {

/// The modal About box: the program's name and version, its picture and its credits.
class FrmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit FrmAbout(QWidget* parent = nullptr);
};

}  // namespace vardeln

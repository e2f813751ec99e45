// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QDialog>

class QPushButton;

namespace vardeln {

/// The modal About box: the program's name and version, its picture and its credits.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void placeOverOwner();

  QPushButton* okButton_;
};

}  // namespace vardeln

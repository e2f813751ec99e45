// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "categories.h"
#include "converter.h"

class QFrame;
class QLabel;
class QLineEdit;

namespace vardeln {

class AboutDialog;
class CheckMenuItem;
class DropDownList;
class TextBox;

/// The converter's window: a number box, the unit to convert from, the result box and the
/// unit to convert to, with the File, Edit, category and Help menus.
///
/// The window shows a Converter: it hands every choice, keystroke and Edit command to it as
/// the user's command and draws what the command changed. What the result, the note and the
/// clipboard's text become is the converter's business; the widgets, the menus, the colours
/// and the system clipboard are the window's.
class Vardeln : public QMainWindow {
  Q_OBJECT

 public:
  explicit Vardeln(QWidget* parent = nullptr);

 signals:
  /// Raised after every command the window handed to the converter, once what it changed is
  /// drawn.
  void conversionRan();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private slots:
  // The user's commands, handed to the converter.
  void chooseCategory(std::size_t index);
  void chooseSourceUnit();
  void chooseTargetUnit();
  void takeNumber();
  void refuseLongText();
  void cut();
  void copy();
  void paste();
  void reset();
  void exitProgram();
  void showAbout();

 private:
  void createControls();
  void placeControls();
  void createMenus();
  void centreOnScreen();

  // Draws what a command changed and raises conversionRan().
  void showChanges(unsigned changed);
  void showCategory();
  void showUnits();
  void showNumber();
  void showResult();
  void showNote();

  Converter converter_;
  // Set while showUnits() selects the converter's units in the lists. A list still tells a
  // screen reader of its new entry then, through the signal it raises, so its signals are
  // not blocked; this keeps the selection from coming back as the user's choice.
  bool selectingConverterUnits_ = false;

  TextBox* inputText_ = nullptr;
  DropDownList* inputUnit_ = nullptr;
  QLineEdit* outputText_ = nullptr;
  DropDownList* outputUnit_ = nullptr;
  QFrame* line1_ = nullptr;
  QLabel* faultNote_ = nullptr;
  std::array<CheckMenuItem*, kCategoryCount> categoryItems_{};

  // Loaded the first time About... is chosen; closed with the window.
  QPointer<AboutDialog> aboutDialog_;
};

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <array>

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

class QFrame;
class QLabel;
class QLineEdit;

namespace vardeln {

class AboutDialog;
class Category;
class CheckMenuItem;
class DropDownList;
class TextBox;

/// The converter's window: a number box, the unit to convert from, the result box and the
/// unit to convert to, with the File, Edit, category and Help menus.
///
/// The window keeps little state of its own beyond its controls: the current category is the
/// checked category item, the units are the two lists' texts, and the result is recomputed
/// whenever the number or a unit changes; only the fault that left the result stale is kept
/// beside them.
class Vardeln : public QMainWindow {
  Q_OBJECT

 public:
  explicit Vardeln(QWidget* parent = nullptr);

 public slots:
  /// Recalculates the result from the checked category, the number and the two units:
  /// writes the converted value or "Invalid Number", or leaves the result as it is when
  /// there is nothing to convert to or the arithmetic fails (then naming the failure under
  /// the lists).
  void recalculate();

 signals:
  /// Raised at the end of every recalculation, whatever it did to the result.
  void conversionRan();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createControls();
  void placeControls();
  void createMenus();
  void centreOnScreen();

  // Area, 0 Acres to Acres, with the focus in the number box.
  void showStartState();

  void selectCategory(const Category& chosen);
  const Category* checkedCategory() const;
  void sourceUnitChosen();
  void targetUnitChosen();
  void markResultStale(const QString& fault);
  void markResultCurrent();
  // The result box's text, or the fault's name while the result is stale.
  QString exportedResult() const;

  void cut();
  void copy();
  void paste();
  // Names, under the lists, a text refused for being longer than the number box holds.
  void longTextRefused();
  void reset();
  void exitProgram();
  void about();

  TextBox* inputText = nullptr;
  DropDownList* inputUnit = nullptr;
  QLineEdit* outputText = nullptr;
  DropDownList* outputUnit = nullptr;
  QFrame* line1 = nullptr;
  QLabel* faultNote = nullptr;
  std::array<CheckMenuItem*, 13> categoryItems{};

  // The current category's unit labels in list order, from which both lists are filled.
  QStringList unitNames;

  // The fault that stopped the last run while the result box still shows an earlier
  // conversion; empty while the result is the conversion of what is typed.
  QString resultFault;

  // Made the first time About... is chosen; deleted when the window closes.
  QPointer<AboutDialog> aboutDialog;
};

}  // namespace vardeln

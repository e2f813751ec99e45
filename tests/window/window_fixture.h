// Vardeln — MIT licence, see LICENSE.
// A converter window in its start state and its controls, found by name as a user's tools
// would.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QStringList>

#include "vardeln.h"

namespace vardeln {

class LoadedWindow : public ::testing::Test {
 protected:
  template <typename T>
  T* control(const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  QAction* menuItem(const char* name) { return control<QAction>(name); }

  // Chooses a category or a command as a click on its menu item would.
  void choose(const char* menuItemName) { menuItem(menuItemName)->trigger(); }

  QStringList checkedCategoryItems() {
    QStringList checked;
    for (const QAction* item : control<QMenu>("categoryMenu")->actions()) {
      if (item->isChecked()) checked << item->objectName();
    }
    return checked;
  }

  QStringList entries(QComboBox* list) {
    QStringList labels;
    for (int i = 0; i < list->count(); ++i) labels << list->itemText(i);
    return labels;
  }

  QStringList toolTips() {
    return {inputText->toolTip(), inputUnit->toolTip(), outputText->toolTip(),
            outputUnit->toolTip()};
  }

  Vardeln window;
  QLineEdit* inputText = control<QLineEdit>("inputText");
  QComboBox* inputUnit = control<QComboBox>("inputUnit");
  QLineEdit* outputText = control<QLineEdit>("outputText");
  QComboBox* outputUnit = control<QComboBox>("outputUnit");
  QLabel* faultNote = control<QLabel>("faultNote");
  QSignalSpy conversionRuns{&window, &Vardeln::conversionRan};
};

}  // namespace vardeln

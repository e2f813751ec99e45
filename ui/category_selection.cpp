// Vardeln — MIT licence, see LICENSE.
// Choosing a category: its item becomes the only checked one and both unit lists are
// refilled with its units, each showing the first.
#include "categories.h"
#include "check_menu_item.h"
#include "drop_down_list.h"
#include "vardeln.h"

namespace vardeln {

void Vardeln::selectCategory(const Category& chosen) {
  // Every check mark is written, also when the chosen category was already current: the
  // check mark is the only record of the category.
  for (std::size_t i = 0; i < categoryItems.size(); ++i) {
    categoryItems[i]->setChecked(&allCategories()[i].get() == &chosen);
  }

  unitNames.clear();
  for (const std::string_view label : chosen.labels()) {
    unitNames.append(QString::fromUtf8(label));
  }

  inputUnit->removeAllEntries();
  outputUnit->removeAllEntries();
  for (int i = 0; i < unitNames.size(); ++i) {
    inputUnit->setEntry(i, unitNames[i]);
    outputUnit->setEntry(i, unitNames[i]);
  }

  // Each selection raises the list's selectionChanged, which labels the boxes and
  // recalculates: first with no target unit yet, then from the first unit to the first unit.
  inputUnit->setListText(inputUnit->entry(0));
  outputUnit->setListText(outputUnit->entry(0));
}

const Category* Vardeln::checkedCategory() const {
  for (std::size_t i = 0; i < categoryItems.size(); ++i) {
    if (categoryItems[i]->isChecked()) return &allCategories()[i].get();
  }
  return nullptr;
}

}  // namespace vardeln

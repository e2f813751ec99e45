// Vardeln — MIT licence, see LICENSE.
// The menu bar: File, Edit, the categories and Help. Captions carry their access keys; no
// item has a shortcut key.
#include <QMenuBar>

#include "categories.h"
#include "category_items.h"
#include "check_menu_item.h"
#include "vardeln.h"

namespace vardeln {
namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QString::fromLatin1(name));
  return item;
}

}  // namespace

void Vardeln::createMenus() {
  QMenu* fileMenu = addMenu(menuBar(), "fileMenu", tr("&File"));
  connect(addItem(fileMenu, "exitMenu", tr("E&xit")), &QAction::triggered, this,
          &Vardeln::exitProgram);

  QMenu* editMenu = addMenu(menuBar(), "editMenu", tr("&Edit"));
  connect(addItem(editMenu, "cutMenu", tr("Cut")), &QAction::triggered, this, &Vardeln::cut);
  connect(addItem(editMenu, "copyMenu", tr("Copy")), &QAction::triggered, this, &Vardeln::copy);
  connect(addItem(editMenu, "pasteMenu", tr("Paste")), &QAction::triggered, this, &Vardeln::paste);
  connect(addItem(editMenu, "resetMenu", tr("Reset")), &QAction::triggered, this, &Vardeln::reset);

  // The check marks are drawn from the converter: only its category's item is checked.
  QMenu* categoryMenu = addMenu(menuBar(), "categoryMenu", tr("&Vardeln"));
  for (std::size_t i = 0; i < categoryItems.size(); ++i) {
    const std::string_view id = allCategories()[i].get().id();
    auto* item = new CheckMenuItem(categoryItemCaption(i), false, categoryMenu);
    item->setObjectName(categoryItemName(id));
    categoryMenu->addAction(item);
    connect(item, &CheckMenuItem::chosen, this, [this, i] { chooseCategory(i); });
    categoryItems[i] = item;
  }

  QMenu* helpMenu = addMenu(menuBar(), "helpMenu", tr("&Help"));
  connect(addItem(helpMenu, "aboutMenu", tr("About...")), &QAction::triggered, this,
          &Vardeln::about);
}

}  // namespace vardeln

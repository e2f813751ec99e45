// Vardeln — MIT licence, see LICENSE.
// The one place that tells Qt which of these widgets answer screen readers with an interface
// of their own.
#include "accessible_interfaces.h"

#include <mutex>

#include "display_box.h"
#include "drop_down_list.h"
#include "shown_text_accessible.h"

namespace vardeln {
namespace {

QAccessibleInterface* ownInterfaceFactory(const QString& className, QObject* object) {
  // Qt's role for a line of text: AT-SPI calls it text, and the interface's states say that
  // it is not to be edited.
  if (className == QLatin1String(DisplayBox::staticMetaObject.className())) {
    return new ShownTextAccessible(static_cast<DisplayBox*>(object), QAccessible::EditableText);
  }
  if (className == QLatin1String(DropDownList::staticMetaObject.className())) {
    return new ShownTextAccessible(static_cast<DropDownList*>(object), QAccessible::ComboBox);
  }
  return nullptr;
}

}  // namespace

void installAccessibleInterfaces() {
  // Every display box and drop-down list calls this as it is made; only the first installs.
  static std::once_flag installed;
  std::call_once(installed, [] { QAccessible::installFactory(&ownInterfaceFactory); });
}

}  // namespace vardeln

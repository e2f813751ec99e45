// Vardeln — MIT licence, see LICENSE.
// The one place that tells Qt which of these widgets answer screen readers with an interface
// of their own.
#include "accessible_interfaces.h"

#include <mutex>

#include "display_box.h"
#include "display_box_accessible.h"
#include "drop_down_list.h"
#include "drop_down_list_accessible.h"

namespace vardeln {
namespace {

QAccessibleInterface* ownInterfaceFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(DisplayBox::staticMetaObject.className())) {
    return new DisplayBoxAccessible(static_cast<DisplayBox*>(object));
  }
  if (className == QLatin1String(DropDownList::staticMetaObject.className())) {
    return new DropDownListAccessible(static_cast<DropDownList*>(object));
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

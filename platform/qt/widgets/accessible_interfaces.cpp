// Vardeln — MIT licence, see LICENSE.
// The one place that tells Qt which glue widgets answer screen readers with an interface of
// their own.
#include "display_box.h"
#include "display_box_accessible.h"
#include "drop_down_list.h"
#include "drop_down_list_accessible.h"
#include "read_only_text_accessible.h"

namespace vardeln {
namespace {

QAccessibleInterface* glueWidgetFactory(const QString& className, QObject* object) {
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
  static const bool installed = [] {
    QAccessible::installFactory(&glueWidgetFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
#pragma once

namespace vardeln {

/// Makes every display box and drop-down list answer screen readers with its own accessible
/// interface. The first call installs the interfaces and every later call does nothing.
///
/// Each of those widgets calls it as it is made, before Qt can ask for an interface for it
/// (naming a widget already tells a listening screen reader), so any program or test that
/// makes one is heard alike and none has a start-up step to forget.
void installAccessibleInterfaces();

}  // namespace vardeln

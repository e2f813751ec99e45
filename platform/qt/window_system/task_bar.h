// Vardeln — MIT licence, see LICENSE.
#pragma once

class QWidget;

namespace vardeln {

// Asks the desktop to give the window no task-bar button. Call it while the window is
// about to be shown: some window managers forget the request when a window is hidden.
void keepOutOfTaskBar(QWidget& window);

}  // namespace vardeln

// Vardeln — MIT licence, see LICENSE.
#pragma once

namespace vardeln {

/// Ends the program at once with `status` when it runs on a Wayland compositor; anywhere else
/// it returns, and the program ends the ordinary way. Call it once the event loop has
/// returned: the window is closed by then and nothing is left to save.
///
/// Qt 6.4 on Wayland can hang for good while it closes its connection to the compositor: its
/// event thread waits for a read that never comes. Ending here leaves out that teardown.
void exitBeforeWaylandTeardown(int status);

}  // namespace vardeln

#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# What a screen reader finds in the window: the built program on a private X display, with
# the accessibility bus that screen readers listen on, read and driven from outside through
# AT-SPI by at_spi_test.py. Run it inside a session bus of its own (dbus-run-session).
# Usage: at_spi_test.sh BUILD_FOLDER
set -euo pipefail
here=$(dirname "$0")
. "$here/../e2e/vardeln_driver.sh"
build=$1

[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || give_up "the test runs on a session bus of its own"

# The accessibility bus answers on the session bus once its launcher has started it.
accessibility_bus_ready() {
  timeout 5 dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true" &&
  timeout 5 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress 2>/dev/null | grep -q 'unix:'
}

start_x_session
start_in_session at-spi-bus /usr/libexec/at-spi-bus-launcher --launch-immediately
poll 20 accessibility_bus_ready || give_up "the accessibility bus starts"
start_vardeln QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# The system's Python: Debian's pyatspi is installed for it alone.
if /usr/bin/python3 "$here/at_spi_test.py" "$vardeln_pid" "$build/cli/vardeln-convert" "$(main_caption)"; then
  pass "the window reads and works through AT-SPI"
else
  fail "the window reads and works through AT-SPI"
fi
finish_checks

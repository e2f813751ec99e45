#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Runs one test program inside a private X display with a window manager, for the widget
# tests that need what only a real X server shows (window-manager hints, task bars).
# Usage: in_x_session.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
here=$(dirname "$0")
. "$here/../../support/checks.sh"
. "$here/x_session.sh"

start_x_session
QT_QPA_PLATFORM=xcb "$@"

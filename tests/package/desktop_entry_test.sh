#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# The installed desktop entry and metainfo pass the validators desktops and software centres
# use, and name the program, its icon and each other by the one application id.
# Usage: desktop_entry_test.sh BUILD_FOLDER
set -euo pipefail
here=$(dirname "$0")
. "$here/../support/checks.sh"
build=$1
app_id=org.vardeln.Vardeln

prefix=$(mktemp -d "${TMPDIR:-/tmp}/vardeln-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
entry=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml

check "desktop-file-validate accepts the desktop entry" desktop-file-validate "$entry"
check "appstreamcli accepts the metainfo" appstreamcli validate --no-net "$metainfo"

key() { grep "^$1=" "$entry" | cut -d= -f2-; }
check_equal "the entry's generic name" "Unit Converter" "$(key GenericName)"
check_equal "the entry's categories" "Utility;Calculator;" "$(key Categories)"
check_equal "the entry starts the installed window program" "vardeln" "$(key Exec)"
check "the entry's program is installed" test -x "$prefix/bin/$(key Exec)"
check_equal "the entry names the icon by the application id" "$app_id" "$(key Icon)"
for icon in 32x32/apps/$app_id.png scalable/apps/$app_id.svg; do
  check "the icon theme holds $icon" test -f "$prefix/share/icons/hicolor/$icon"
done

element() { sed -n "s|.*<$1[^>]*>\(.*\)</$1>.*|\1|p" "$metainfo"; }
check_equal "the metainfo id is the application id" "$app_id" "$(element id)"
check_equal "the metainfo launches the desktop entry" "$app_id.desktop" "$(element launchable)"
for program in $(element binary); do
  check "the metainfo's program $program is installed" test -x "$prefix/bin/$program"
done

finish_checks

#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# cpack -G DEB builds a Debian package that holds the installation's files under /usr and
# depends on the Qt 6 and C++ runtime libraries the programs link.
# Usage: deb_package_test.sh BUILD_FOLDER
set -euo pipefail
here=$(dirname "$0")
. "$here/../support/checks.sh"
. "$here/expected_files.sh"
build=$(cd "$1" && pwd)

out=$(mktemp -d "${TMPDIR:-/tmp}/vardeln-deb.XXXXXX")
trap 'rm -rf "$out"' EXIT
(cd "$out" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >cpack.log 2>&1) ||
  { cat "$out/cpack.log"; give_up "cpack builds the package"; }
package=$out/vardeln_1.3_$(dpkg --print-architecture).deb
check "cpack names the package vardeln_1.3_<architecture>.deb" test -f "$package"
[ -f "$package" ] || finish_checks

field() { dpkg-deb --field "$package" "$1"; }
check_equal "package name" "vardeln" "$(field Package)"
check_equal "package version" "1.3" "$(field Version)"
check_equal "the package holds the installation's files under /usr" \
  "$(expected_files | sed 's|^|usr/|')" \
  "$(dpkg-deb --contents "$package" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | LC_ALL=C sort)"

depends=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for library in libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6 libc6; do
  check "the package depends on $library" grep -qx "$library" <<<"$depends"
done

finish_checks

#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Builds the Debian package the way Debian does, from a copy of the source tree:
# dpkg-buildpackage with Debian's flags and hardening, the headless tests run by
# dh_auto_test; then lintian finds no error and no warning, the package holds exactly the
# installation's files plus Debian's own, and the packaged program answers --version.
# Usage: source_package_test.sh SOURCE_FOLDER
set -euo pipefail
here=$(dirname "$0")
. "$here/../support/checks.sh"
. "$here/expected_files.sh"
source_dir=$(cd "$1" && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/vardeln-source-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
tree=$work/vardeln

# The files a clean checkout holds (with any work not yet committed), never a build folder.
mkdir "$tree"
(cd "$source_dir" && git ls-files -z --cached --others --exclude-standard |
  tar --null --files-from=- --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$tree"

(cd "$tree" && DEB_BUILD_OPTIONS="parallel=$(nproc)" dpkg-buildpackage -us -uc -b \
  >"$work/build.log" 2>&1) || { tail -n 60 "$work/build.log"; give_up "dpkg-buildpackage builds the package"; }
pass "dpkg-buildpackage builds the package"
check "dh_auto_test ran the headless tests" grep -q 'tests passed' "$work/build.log"

version=$(cd "$tree" && dpkg-parsechangelog --show-field Version)
package=$work/vardeln_${version}_$(dpkg --print-architecture).deb
check_equal "the package is named after the project's version" "1" "$(ls "$package" | wc -l)"
[ -f "$package" ] || finish_checks

# Every tag lintian reports; only info and pedantic ones may remain.
lintian --info --display-info --pedantic "$work"/vardeln_*.changes >"$work/lintian.log" 2>&1 || true
sed 's/^/       lintian: /' "$work/lintian.log"
check_equal "lintian reports no error and no warning" "" "$(grep -E '^[EW]: ' "$work/lintian.log" || true)"

# zsh's completion is in Debian's folder for packages' completions.
check_equal "the package holds the installation's files under /usr, and Debian's changelog" \
  "$( (expected_files; echo share/doc/vardeln/changelog.gz) |
    sed 's|^|usr/|; s|zsh/site-functions|zsh/vendor-completions|' | LC_ALL=C sort)" \
  "$(dpkg-deb --contents "$package" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | LC_ALL=C sort)"

depends=$(dpkg-deb --field "$package" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//')
for library in libqt6core6 libqt6gui6 libqt6widgets6 libstdc++6 libc6; do
  check "the package depends on $library" grep -qx "$library" <<<"$depends"
done

dpkg-deb --extract "$package" "$work/root"
check_equal "the packaged vardeln answers --version without a display" "vardeln $version" \
  "$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/bin/vardeln" --version)"

finish_checks

#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Packs vardeln-convert for Windows into a zip: the program (built by the windows preset),
# the command line's page (docs/command-line.md) as its README, and the licence.
#   packaging/windows/pack_zip.sh [BUILD-DIR]
# BUILD-DIR defaults to build-windows/; the zip is written there as
# vardeln-convert-VERSION-windows-x86_64.zip.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build-windows}" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=vardeln-convert-$version-windows-x86_64

# One file to copy: the program may load nothing but Windows's own libraries (Normaliz.dll
# composes a unit's name, as every Windows since Vista has it in System32).
exe=$build/cli/vardeln-convert.exe
foreign=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' |
  grep -viE '^(kernel32|msvcrt|user32|advapi32|normaliz)\.dll$|^api-ms-win-' || true)
if [ -n "$foreign" ]; then
  echo "$0: vardeln-convert.exe needs libraries Windows does not have: $foreign" >&2
  exit 1
fi

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
mkdir "$staging/$name"
cp "$exe" "$staging/$name/"
cp "$root/LICENSE" "$staging/$name/LICENSE.txt"
cp "$root/docs/command-line.md" "$staging/$name/README.md"

rm -f "$build/$name.zip"
(cd "$staging" && zip -q -r -X "$build/$name.zip" "$name")
echo "$build/$name.zip"

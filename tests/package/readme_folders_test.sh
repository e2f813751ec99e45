#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# The README's map of folders is the tree's: every folder a row names, and every folder of its
# own that a row's text names (`engine/tables/` in the engine's row), exists; every top-level
# source folder (one with a CMakeLists.txt, or with files git tracks) has a row.
#   readme_folders_test.sh SOURCE_DIR
set -u
root=$1
rows=$(sed -n '/^## Where things are/,/^## /p' "$root/README.md" | grep '^| `')
status=0

# A row's first cell names its folder; its text may name folders inside it, in full.
while IFS='|' read -r _ folder text _; do
  folder=$(grep -o '`[^`]*/`' <<<"$folder" | tr -d '`')
  for named in $folder $(grep -o "\`$folder[^\` ]*/\`" <<<"$text" | tr -d '`'); do
    [ -d "$root/$named" ] || { echo "README names $named, which is no folder"; status=1; }
  done
done <<<"$rows"

# The top-level folders a row's folder starts with.
mapped=$(sed 's/^| `\([^/`]*\)\/.*/\1/' <<<"$rows" | sort -u)
sources=$( (cd "$root" && ls -d */CMakeLists.txt 2>/dev/null | cut -d/ -f1
            git -C "$root" ls-files 2>/dev/null | grep / | cut -d/ -f1) |
           grep -v '^build\|^\.' | sort -u)
for folder in $(comm -13 <(echo "$mapped") <(echo "$sources")); do
  echo "README's map has no row for $folder/"
  status=1
done
exit $status

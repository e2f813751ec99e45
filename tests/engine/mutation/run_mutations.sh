#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Measures the power of the engine's tests: applies each edit of a list to a copy of the
# committed tree (HEAD; work in progress in the working tree is left out), one at a time,
# rebuilds the engine's test programs in one reused build directory, runs them and prints
# which edits they catch. The working tree itself is never touched.
#
#   tests/engine/mutation/run_mutations.sh [EDITS-FILE]
#
# EDITS-FILE defaults to edits.tsv beside this script. VARDELN_MUTATION_DIR names a work
# directory to keep between runs (the copy and its build), so a second run only rebuilds
# what changed; by default a fresh one is made under /tmp. Exit status: 0 when every edit
# is caught or listed as equivalent, 1 when one is missed, 2 when the unchanged tree fails.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
source_tree=$(git -C "$here" rev-parse --show-toplevel)
edits=${1:-$here/edits.tsv}
work=${VARDELN_MUTATION_DIR:-$(mktemp -d /tmp/vardeln-mutation.XXXXXX)}
copy=$work/tree
build=$work/build
logs=$work/logs
# Each suite beside the folder of the build it lies in.
suites=(engine_tests golden_tests)
declare -A suite_dir=([engine_tests]=tests/engine [golden_tests]=tests/engine/golden)
python=/usr/bin/python3

rm -rf "$copy"
mkdir -p "$copy" "$logs"
# Every file takes the commit's time, so a reused build recompiles only after a new commit.
git -C "$source_tree" archive --format=tar HEAD | tar -C "$copy" -xf -

if [[ ! -f $build/build.ninja ]]; then
  cmake -S "$copy" --preset release -B "$build" >"$logs/configure.log" 2>&1
fi

build_and_run() {  # prints the suites that failed, or "build" when it did not build
  local log=$1 failed=()
  if ! cmake --build "$build" --target "${suites[@]}" >"$log.build" 2>&1; then
    echo build
    return
  fi
  local suite
  for suite in "${suites[@]}"; do
    if ! "$build/${suite_dir[$suite]}/$suite" --gtest_brief=1 >"$log.$suite" 2>&1; then
      failed+=("$suite")
    fi
  done
  echo "${failed[*]:-}"
}

# Replaces the one occurrence of a text in a file; fails when it occurs zero or many times.
replace_once() {
  "$python" - "$@" <<'PY'
import sys
path, old, new = sys.argv[1:4]
text = open(path, encoding="utf-8").read()
if text.count(old) != 1:
    sys.exit(f"{path}: the text to replace occurs {text.count(old)} times")
open(path, "w", encoding="utf-8").write(text.replace(old, new))
PY
}

echo "Building the unchanged tree in $work ..."
baseline=$(build_and_run "$logs/unchanged")
if [[ -n $baseline ]]; then
  echo "The unchanged tree fails ($baseline); see $logs/unchanged.*" >&2
  exit 2
fi

restore=""
trap '[[ -n $restore ]] && cp "$restore.orig" "$restore" && touch "$restore"' EXIT

rows=()
missed=0
number=0
while IFS=$'\t' read -r name file old new equivalent || [[ -n $name ]]; do
  [[ -z $name || $name == \#* ]] && continue
  number=$((number + 1))
  target=$copy/$file
  cp "$target" "$target.orig"
  restore=$target
  if ! replace_once "$target" "$old" "$new" 2>"$logs/$number.apply"; then
    verdict="NOT APPLIED ($(cat "$logs/$number.apply"))"
    missed=$((missed + 1))
    failed=""
  else
    failed=$(build_and_run "$logs/$number")
    if [[ $failed == build ]]; then
      verdict="does not build"
      missed=$((missed + 1))
    elif [[ -n $failed ]]; then
      verdict="caught"
    elif [[ -n ${equivalent:-} ]]; then
      verdict="missed, equivalent: $equivalent"
    else
      verdict="MISSED"
      missed=$((missed + 1))
    fi
  fi
  cp "$target.orig" "$target"
  touch "$target"
  rm "$target.orig"
  restore=""
  rows+=("$(printf '%-2s %-38s %-26s %s' "$number" "$name" "${failed:--}" "$verdict")")
  echo "${rows[-1]}"
done <"$edits"

echo
printf '%-2s %-38s %-26s %s\n' "#" "edit" "failing suites" "verdict"
printf '%s\n' "${rows[@]}"
echo "$number edits, $missed missed or not applied; logs in $logs"
[[ $missed -eq 0 ]]

#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Runs the coverage workflow (a Debug build with gcov's counters and every headless test), then
# prints the share of lines the tests run in the engine, the converter model, the command line,
# the numeric services and the reading of standard input: one line per folder and their total.
set -euo pipefail
cd "$(dirname "$0")/.."
folders=(engine/ model/ cli/ platform/numeric/ platform/stream/)
build=build-coverage   # the coverage preset's folder

# Counts left by an earlier run would add to this one's.
[ ! -d "$build" ] || find "$build" -name '*.gcda' -delete
cmake --workflow --preset coverage

summary=$build/coverage-summary.json
gcovr --root . --object-directory "$build" -j 2 "${folders[@]/#/--filter=}" \
  --json-summary "$summary" >/dev/null
/usr/bin/python3 - "$summary" "${folders[@]}" <<'PY'
import json, sys
files = json.load(open(sys.argv[1]))["files"]
def line(name, covered, total):
    print(f"{name:<20} {covered:6} of {total:6} lines  {100 * covered / max(total, 1):5.1f} %")
for folder in sys.argv[2:]:
    inside = [f for f in files if f["filename"].startswith(folder)]
    line(folder, sum(f["line_covered"] for f in inside), sum(f["line_total"] for f in inside))
line("total", sum(f["line_covered"] for f in files), sum(f["line_total"] for f in files))
PY

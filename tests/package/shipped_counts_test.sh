#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Every shipped text that counts the units or the categories gives the counts vardeln-convert
# lists: CMake fills them in from the tables, and a text written by hand would drift.
# Usage: shipped_counts_test.sh VARDELN_CONVERT FILE...
set -euo pipefail
convert=$1
shift
categories=$("$convert" --list --json | grep -c '"category"')
# The units of the tables; a compound unit (feet and inches) is written in its parts.
units=0
for category in $("$convert" --list); do
  units=$((units + $("$convert" --list "$category" --json | grep -v '"parts"' | grep -c '"unit"')))
done

status=0
for file in "$@"; do
  counts=$(grep -oE '\b[0-9]+ (units|categor|kinds)' "$file" | sort -u) || true
  expected=$(printf '%s\n' "$units units" "$categories categor" "$categories kinds")
  if [ -z "$counts" ] || grep -qvxF "$expected" <<<"$counts"; then
    echo "FAIL: $file counts \"$counts\", the program lists $units units in $categories categories"
    status=1
  fi
done
exit $status

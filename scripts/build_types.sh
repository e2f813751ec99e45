#!/usr/bin/env bash
# Vardeln — MIT licence, see LICENSE.
# Builds every build type from a clean folder, with warnings as errors on and off, and with
# Debian's own flags (build type None), then prints one line per build. Too slow for every
# test run (each is a whole build); run it before a release or after a compiler upgrade.
# Usage: scripts/build_types.sh [BUILD_TYPE...]   (default: all of them)
set -uo pipefail
cd "$(dirname "$0")/.."
types=("$@")
[ ${#types[@]} -gt 0 ] || types=(Debug Release RelWithDebInfo MinSizeRel None)
root=build-types
mkdir -p "$root"
results=()

for type in "${types[@]}"; do
  for werror in ON OFF; do
    dir=$root/$type-werror-$werror
    if [ "$type" = None ]; then
      # A distribution's flags come from the environment, as dpkg-buildpackage passes them.
      export CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS)" CPPFLAGS="$(dpkg-buildflags --get CPPFLAGS)"
      export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
      CXXFLAGS="$CXXFLAGS $CPPFLAGS"
    fi
    rm -rf "$dir"
    start=$SECONDS
    if cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" -DVARDELN_WERROR="$werror" \
         -DVARDELN_BUILD_BENCHMARKS=ON >"$dir.log" 2>&1 &&
       cmake --build "$dir" >>"$dir.log" 2>&1; then
      outcome=built
    else
      outcome="FAILED (see $dir.log)"
    fi
    unset CXXFLAGS CPPFLAGS LDFLAGS
    results+=("$(printf '%-15s warnings as errors %-3s %4d s  %s' "$type" "$werror" $((SECONDS - start)) "$outcome")")
    printf '%s\n' "${results[-1]}"
  done
done

printf '\n%s\n' "${results[@]}"
! printf '%s\n' "${results[@]}" | grep -q FAILED

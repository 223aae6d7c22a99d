#!/usr/bin/env bash
# Configures and builds one build folder: scripts/build.sh DIR [cmake options...]
# Prints what the compiler says (not the progress lines) and fails when the build fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
cmake -S "$root" -B "$root/$dir" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "$@" >/dev/null
log=$(mktemp)
status=0
cmake --build "$root/$dir" -j"$(nproc)" >"$log" 2>&1 || status=$?
grep -Ev '^\[ *[0-9]+%\]|^-- |^(Consolidate|Scanning|Automatic) ' "$log" || true
rm -f "$log"
exit $status

#!/usr/bin/env bash
# Configures and builds one build folder: scripts/build.sh DIR [cmake options...]
# Prints what the compiler says (not the progress lines) and fails when the build fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
# Compilations are cached (ccache, keyed by paths relative to the checkout), so a build of a
# fresh clone compiles only what changed since the last build on this machine.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=true
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$root/$dir" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "${launcher[@]}" "$@" >/dev/null
log=$(mktemp)
status=0
cmake --build "$root/$dir" -j"$(nproc)" >"$log" 2>&1 || status=$?
grep -Ev '^\[ *[0-9]+%\]|^-- |^(Consolidate|Scanning|Automatic) ' "$log" || true
rm -f "$log"
exit $status

#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time:
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# VARTEL_FUZZ_SEED fixes libFuzzer's random seed (0, the default, picks a new one each run).
# Findings are saved under build-fuzz/findings; a finding makes the script fail.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
shift || true
"$root/scripts/setup.sh"
CXX=clang++ "$root/scripts/build.sh" build-fuzz -DVARTEL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in "$root"/tests/fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi
findings="$root/build-fuzz/findings"
mkdir -p "$findings"
status=0
for target in "${targets[@]}"; do
  name=${target%_fuzz}
  work=$(mktemp -d)
  [ -d "$root/tests/fuzz/corpus/$name" ] && cp -r "$root/tests/fuzz/corpus/$name/." "$work/"
  echo "fuzzing $name for ${seconds}s"
  if ! "$root/build-fuzz/$target" "$work" -max_total_time="$seconds" -seed="${VARTEL_FUZZ_SEED:-0}" -max_len=4096 -timeout=10 \
       -rss_limit_mb=2048 -artifact_prefix="$findings/$name-" -print_final_stats=0 \
       >"$findings/$name.log" 2>&1; then
    echo "fuzz target $name found a problem:"; tail -40 "$findings/$name.log"; status=1
  fi
  rm -rf "$work"
done
exit $status

#!/usr/bin/env bash
# Builds in release mode and runs the benchmarks; extra arguments go to the benchmark program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" build-release -DCMAKE_BUILD_TYPE=Release -DVARTEL_GUI=OFF -DVARTEL_BENCH=ON
exec "$root/build-release/vartel_bench" "$@"

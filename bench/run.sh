#!/bin/sh
# The launcher's benchmark: builds the launcher and the bench's programs in
# Release mode, installs the launcher into a bench root, generates the seeded
# packages and measures the launcher against bsdtar, the decompressors, cp -a
# and bare Qt programs. Writes BENCHMARKS.md at the repository's root.
#   bench/run.sh            every package and format
#   bench/run.sh --quick    the small package only, a few runs (a smoke run);
#                           writes build-bench/BENCHMARKS-quick.md
# Other options go to bench/bench.py (--runs N, --output FILE, --work DIR).
set -eu
cd "$(dirname "$0")/.."

build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTA_BUILD_TESTS=OFF \
    -DORVANTA_BUILD_BENCH=ON -DORVANTA_SANITIZE= >/dev/null
cmake --build "$build" -j2 --target launcher launcher_icon gen_package qt_bare qt_progress

exec python3 bench/bench.py --build "$build" "$@"

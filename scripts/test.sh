#!/bin/sh
# Installs what is missing, configures, builds and runs every test.
#   scripts/test.sh                 normal build in build/
#   scripts/test.sh address         AddressSanitizer + UndefinedBehaviorSanitizer in build-address/
#   scripts/test.sh thread          ThreadSanitizer in build-thread/ (tests labelled "tsan" only)
set -eu
cd "$(dirname "$0")/.."

sanitize="${1:-}"
case "$sanitize" in
    "") build=build ;;
    address | thread) build="build-$sanitize" ;;
    *) echo "usage: $0 [address|thread]" >&2; exit 2 ;;
esac

./scripts/install-deps.sh

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVANTA_WERROR="${ORVANTA_WERROR:-OFF}" -DORVANTA_SANITIZE="$sanitize" >/dev/null
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export TSAN_OPTIONS="${TSAN_OPTIONS:-halt_on_error=1:second_deadlock_stack=1}"
if [ "$sanitize" = thread ]; then
    ctest --test-dir "$build" -j2 --output-on-failure -L tsan
else
    ctest --test-dir "$build" -j2 --output-on-failure
fi

#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite headless.
#   ./test.sh              the normal build (build/)
#   ./test.sh --sanitize   the same under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

build=build
flags=()
if [ "${1:-}" = "--sanitize" ]; then
    build=build-asan
    flags=(-DZEL_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi

bash tools/setup.sh
cmake -S . -B "$build" "${flags[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"

# Nothing may need a display, a GPU or a sound card, and nothing may touch the real per-user data.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/runtime" "$scratch/data" "$scratch/home" "$scratch/tmp"
chmod 700 "$scratch/runtime"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy
export XDG_RUNTIME_DIR="$scratch/runtime" XDG_DATA_HOME="$scratch/data" HOME="$scratch/home" TMPDIR="$scratch/tmp"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

cd "$build"
ctest --output-on-failure -j"$(nproc)" --timeout 600

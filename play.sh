#!/usr/bin/env bash
# Sets up, builds and starts the game.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
# The build assembles the game's working folder (its data packs and tables) in build/run.
mkdir -p build/run
cd build/run
exec ../jigsaw-table "$@"

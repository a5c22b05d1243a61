#!/usr/bin/env bash
# Sets up, builds and starts the game.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
bash tools/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
exec build/jigsaw-table "$@"

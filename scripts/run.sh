#!/usr/bin/env bash
# Installs what is missing, builds Pelmoro and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" --target pelmoro
exec build/app/pelmoro "$@"

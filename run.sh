#!/usr/bin/env bash
# Installs what is missing, builds Tesselo and starts it.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target tesselo
exec ./build/bin/tesselo "$@"

#!/usr/bin/env bash
# Installs what is missing, builds Tesselo and runs every test with ctest.
#   ./test.sh              the ordinary build, in build/
#   ./test.sh --sanitize   with AddressSanitizer and UndefinedBehaviorSanitizer, in build-sanitize/
set -euo pipefail
cd "$(dirname "$0")"

build_dir=build
cmake_args=()
case "${1:-}" in
  "") ;;
  --sanitize) build_dir=build-sanitize; cmake_args+=(-DTESSELO_SANITIZE=ON) ;;
  *) echo "usage: $0 [--sanitize]" >&2; exit 2 ;;
esac

./scripts/install-deps.sh
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${cmake_args[@]}"
cmake --build "$build_dir" -j "$(nproc)"
ctest --test-dir "$build_dir" --output-on-failure -j "$(nproc)"

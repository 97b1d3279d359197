#!/usr/bin/env bash
# Builds Veltrano and runs every test; then runs the link and the stand-in
# simulator tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
ensure_packages

export QT_QPA_PLATFORM=offscreen
build_tree build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j"$(nproc)"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRANO_SANITIZE=ON -DVELTRANO_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitize -j"$(nproc)" --target test_simlink test_simulator test_flightgear test_rules
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)" -L sanitize

#!/usr/bin/env bash
# Builds Veltrano and runs every test (each benchmark once, briefly, as a
# smoke test among them); then runs every test again under AddressSanitizer
# and UndefinedBehaviorSanitizer (the benchmarks aside); then, with
# clang at hand, runs each fuzz harness for a few seconds.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
ensure_packages

export QT_QPA_PLATFORM=offscreen
build_tree build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j"$(nproc)"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRANO_SANITIZE=ON -DVELTRANO_BUILD_BENCH=OFF >/dev/null
cmake --build build-sanitize -j"$(nproc)"
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"

# The fuzz harnesses (libFuzzer): a short run each, from the committed corpus.
if command -v clang++ >/dev/null; then
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
          -DVELTRANO_FUZZ=ON -DVELTRANO_BUILD_BENCH=OFF >/dev/null
    cmake --build build-fuzz -j"$(nproc)" --target fuzz_requestblock fuzz_replywalk
    ctest --test-dir build-fuzz --output-on-failure -L fuzz
fi

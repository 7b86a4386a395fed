#!/usr/bin/env bash
# Builds and runs every test: the libFuzzer harnesses for a few seconds each (clang), then the
# unit and scenario tests under AddressSanitizer and UndefinedBehaviorSanitizer (GCC).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
fuzz_seconds=${ZEPH_FUZZ_SECONDS:-5}

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DZEPH_FUZZ=ON -DZEPH_TESTS=OFF
cmake --build build/fuzz -j "$jobs"
scripts/run-fuzzers.sh build/fuzz "$fuzz_seconds"

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEPH_SANITIZE=ON -DZEPH_BENCH=ON
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

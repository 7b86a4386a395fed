#!/usr/bin/env bash
# Builds and runs every test: the libFuzzer harnesses for a few seconds each (clang), then the
# unit and scenario tests under AddressSanitizer and UndefinedBehaviorSanitizer (GCC).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
fuzz_seconds=${ZEPH_FUZZ_SECONDS:-5}

# The short fuzz runs gain nothing from full optimisation; -O1 and line tables build faster.
# Both builds compile each target's sources in batches (unity build): about half the time.
cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" -DZEPH_UNITY=ON \
    -DCMAKE_CXX_COMPILER=clang++ -DZEPH_FUZZ=ON -DZEPH_TESTS=OFF -DZEPH_GUI=OFF
cmake --build build/fuzz -j "$jobs" --target zeph_fuzzers
scripts/run-fuzzers.sh build/fuzz "$fuzz_seconds"

# Line tables are all the sanitizers' reports need, and keep objects and links small.
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1" \
    -DZEPH_SANITIZE=ON -DZEPH_BENCH=ON -DZEPH_UNITY=ON
cmake --build build/test -j "$jobs"
# A test that hangs fails after ten minutes instead of holding the run.
ctest --test-dir build/test --output-on-failure -j "$jobs" --timeout 600

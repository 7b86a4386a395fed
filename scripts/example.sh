#!/usr/bin/env bash
# Builds zeph in Release and runs the main job on the shipped example.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEPH_TESTS=OFF
cmake --build build/release -j "$(nproc)"

build/release/apps/zeph/zeph --version
build/release/apps/zeph/zeph --sample-report

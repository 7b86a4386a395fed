#!/usr/bin/env bash
# Builds zeph in Release and runs the main job on the shipped examples: each is drawn from its
# script, verified, and written as VHDL and Verilog (with a picture of every diagram) into
# build/examples/<name>/<name>.vdp/output.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEPH_TESTS=OFF
cmake --build build/release -j "$(nproc)"

zeph=build/release/apps/zeph/zeph
"$zeph" --version
for example in counter datapath traffic blinker; do
    echo "== example $example"
    examples/build.sh "$example" "$zeph" "build/examples/$example"
    echo "== written:"
    find "build/examples/$example/$example.vdp/output" -type f | sort
done

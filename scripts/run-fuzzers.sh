#!/usr/bin/env bash
# Runs every fuzz harness of a fuzz build for a few seconds, each from its seed corpus.
set -euo pipefail
build=${1:?usage: run-fuzzers.sh BUILD_DIR [SECONDS]}
seconds=${2:-5}
# A fixed seed keeps the short runs of the test command repeatable; set ZEPH_FUZZ_SEED=0 for a
# random one when fuzzing for longer.
seed=${ZEPH_FUZZ_SEED:-1}
root=$(cd "$(dirname "$0")/.." && pwd)

shopt -s nullglob
harnesses=("$build"/tests/fuzz/*_fuzz)
for harness in "${harnesses[@]}"; do
    name=$(basename "$harness" _fuzz)
    work=$(mktemp -d)
    seeds="$root/tests/fuzz/corpus/$name"
    [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
    echo "== fuzz $name for ${seconds}s"
    if ! "$harness" -seed="$seed" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
           -print_final_stats=0 -artifact_prefix="$work/" "$work" > "$build/fuzz-$name.log" 2>&1; then
        tail -n 60 "$build/fuzz-$name.log"
        # The failing input, so that a run elsewhere can be repeated here.
        for artifact in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
            echo "failing input $(basename "$artifact") (base64):"
            base64 "$artifact"
            mkdir -p "$build/fuzz-artifacts" && cp "$artifact" "$build/fuzz-artifacts/"
        done
        echo "fuzz harness $name failed (log: $build/fuzz-$name.log)"
        rm -rf "$work"
        exit 1
    fi
    grep -E '^(#[0-9]+|Done)' "$build/fuzz-$name.log" | tail -n 1 || true
    rm -rf "$work"
done
echo "== ${#harnesses[@]} fuzz harnesses passed"

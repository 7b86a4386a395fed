#!/usr/bin/env bash
# Runs every fuzz harness of a fuzz build for a few seconds, each from its seed corpus, as many
# at a time as there are cores.
set -euo pipefail
build=${1:?usage: run-fuzzers.sh BUILD_DIR [SECONDS]}
seconds=${2:-5}
# A fixed seed keeps the short runs of the test command repeatable; set ZEPH_FUZZ_SEED=0 for a
# random one when fuzzing for longer.
seed=${ZEPH_FUZZ_SEED:-1}
jobs=${ZEPH_FUZZ_JOBS:-$(nproc)}
root=$(cd "$(dirname "$0")/.." && pwd)

# Runs one harness; on failure prints its log's end and the failing input, and returns 1.
run_one() {
    local harness=$1 name work seeds
    name=$(basename "$harness" _fuzz)
    work=$(mktemp -d)
    seeds="$root/tests/fuzz/corpus/$name"
    [ -d "$seeds" ] && cp -r "$seeds"/. "$work"/
    if ! "$harness" -seed="$seed" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
           -print_final_stats=0 -artifact_prefix="$work/" "$work" > "$build/fuzz-$name.log" 2>&1; then
        {
            tail -n 60 "$build/fuzz-$name.log"
            # The failing input, so that a run elsewhere can be repeated here.
            for artifact in "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*; do
                [ -e "$artifact" ] || continue
                echo "failing input $(basename "$artifact") (base64):"
                base64 "$artifact"
                mkdir -p "$build/fuzz-artifacts" && cp "$artifact" "$build/fuzz-artifacts/"
            done
            echo "fuzz harness $name failed (log: $build/fuzz-$name.log)"
        } > "$build/fuzz-$name.failure"
        rm -rf "$work"
        return 1
    fi
    echo "== fuzz $name for ${seconds}s: $(grep -E '^(#[0-9]+|Done)' "$build/fuzz-$name.log" | tail -n 1 || true)"
    rm -rf "$work"
}

shopt -s nullglob
rm -f "$build"/fuzz-*.failure
harnesses=("$build"/tests/fuzz/*_fuzz)
running=0
for harness in "${harnesses[@]}"; do
    run_one "$harness" &
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        wait -n || true
        running=$((running - 1))
    fi
done
wait || true

failures=("$build"/fuzz-*.failure)
if [ ${#failures[@]} -gt 0 ]; then
    cat "${failures[@]}"
    exit 1
fi
echo "== ${#harnesses[@]} fuzz harnesses passed"

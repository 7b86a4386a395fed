#!/usr/bin/env bash
# Times the whole import against "ghdl -s" on the benchmark's VHDL file, both as whole
# processes: zeph reads the file with "import-vhdl" into a new design (batch mode, Release
# build), GHDL analyses it without generating code.
#   bench/import/compare_with_ghdl.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?usage: compare_with_ghdl.sh BUILD_DIR [RUNS]}
runs=${2:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bench/import/make_import_file" "$work/big.vhd"
echo "file: $(wc -l < "$work/big.vhd") lines, $(wc -c < "$work/big.vhd") bytes"

best() { sort -n | head -n 1; }
time_of() { # prints seconds of one run of the command
    local start end
    start=$(date +%s.%N)
    "$@" > /dev/null 2>&1
    end=$(date +%s.%N)
    echo "$end - $start" | bc
}

cat > "$work/import.zeph" <<SCRIPT
vhdl93 on
import-vhdl $work/big.vhd
SCRIPT

for i in $(seq "$runs"); do
    rm -rf "$work/ghdl" && mkdir "$work/ghdl"
    (cd "$work/ghdl" && time_of ghdl -s --std=93c "$work/big.vhd")
done | best > "$work/ghdl.t"
for i in $(seq "$runs"); do
    rm -rf "$work/run" && mkdir "$work/run"
    (cd "$work/run" && time_of "$build/apps/zeph/zeph" --batch "$work/import.zeph")
done | best > "$work/zeph.t"

bytes=$(wc -c < "$work/big.vhd")
for tool in ghdl zeph; do
    t=$(cat "$work/$tool.t")
    echo "$tool: ${t}s, $(echo "scale=2; $bytes / $t / 1000000" | bc) MB/s (best of $runs)"
done

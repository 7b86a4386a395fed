#!/usr/bin/env bash
# Builds every shipped example from its script with the zeph under test, then hands what it
# wrote to the real tools: GHDL analyses and elaborates the VHDL, Icarus Verilog compiles the
# Verilog, the counter is simulated with its self-checking testbenches in both languages, and
# the pictures must be well-formed SVG.
set -euo pipefail
zeph=${1:?usage: check_examples.sh ZEPH WORK}
work=${2:?usage: check_examples.sh ZEPH WORK}
examples=$(cd "$(dirname "$0")/../../examples" && pwd)
rm -rf "$work"
mkdir -p "$work"
export SOURCE_DATE_EPOCH=946684800

for example in counter datapath; do
    echo "== $example"
    "$examples/build.sh" "$example" "$zeph" "$work/$example" > "$work/$example.log" 2>&1 ||
        { cat "$work/$example.log"; echo "building $example failed"; exit 1; }
    output="$work/$example/$example.vdp/output"
    lib="$work/$example/ghdl"
    mkdir -p "$lib"
    ghdl -a --std=87 --workdir="$lib" "$output/$example.vhd"
    (cd "$lib" && ghdl -e --std=87 --workdir="$lib" "${example}_a0")
    iverilog -o "$work/$example/$example.vvp" "$output/$example.v"
    for picture in "$output"/pictures/*.svg; do
        xmllint --noout "$picture"
    done
done

# The state-diagram examples: the saved design against its golden file, the machines' VHDL
# analysed and elaborated by GHDL and their Verilog compiled by Icarus, and pictures that are
# well-formed SVG and convert to PNG.
golden=$(cd "$(dirname "$0")/../golden/examples" && pwd)
for example in traffic blinker; do
    echo "== $example"
    "$examples/build.sh" "$example" "$zeph" "$work/$example" > "$work/$example.log" 2>&1 ||
        { cat "$work/$example.log"; echo "building $example failed"; exit 1; }
    diff -u "$golden/$example.vdf" "$work/$example/$example.vdp/design/design.vdf"
    ! grep -q "^report: Error" "$work/$example.log" ||
        { cat "$work/$example.log"; echo "$example: verification found errors"; exit 1; }
    output="$work/$example/$example.vdp/output"
    lib="$work/$example/ghdl"
    mkdir -p "$lib"
    ghdl -a --std=87 --workdir="$lib" "$output/$example.vhd"
    (cd "$lib" && ghdl -e --std=87 --workdir="$lib" "$example")
    iverilog -o "$work/$example/$example.vvp" "$output/$example.v"
    for picture in "$output"/pictures/*.svg; do
        xmllint --noout "$picture"
        rsvg-convert -o "${picture%.svg}.png" "$picture"
    done
done

echo "== counter simulation"
lib="$work/counter/ghdl"
ghdl -a --std=87 --workdir="$lib" "$examples/counter/testbench/counter_tb.vhd"
(cd "$lib" && ghdl -e --std=87 --workdir="$lib" counter_tb &&
    ghdl -r --std=87 --workdir="$lib" counter_tb --assert-level=error) | tee "$work/vhdl_sim.log"
grep -q "counter_tb passed" "$work/vhdl_sim.log"
iverilog -o "$work/counter/tb.vvp" "$work/counter/counter.vdp/output/counter.v" \
    "$examples/counter/testbench/counter_tb.v"
vvp "$work/counter/tb.vvp" | tee "$work/verilog_sim.log"
grep -q "counter_tb passed" "$work/verilog_sim.log"
! grep -q FAIL "$work/verilog_sim.log"
echo "== examples passed"

#!/usr/bin/env bash
# Builds the counter example from scratch in WORK (default: the current directory): draws the
# design with zeph, puts the hand-written statements into the leaves' HDL files, verifies the
# design and writes its VHDL and Verilog into counter.vdp/output.
set -euo pipefail
zeph=${1:?usage: build.sh ZEPH [WORK]}
work=${2:-.}
here=$(cd "$(dirname "$0")" && pwd)
zeph=$(cd "$(dirname "$zeph")" && pwd)/$(basename "$zeph")
mkdir -p "$work"
cd "$work"
rm -rf counter.vdp zeph.ini

run() { "$zeph" --settings zeph.ini --batch "$1" "${@:2}"; }

run "$here/draw.zeph"
source "$here/../user_regions.sh"
for leaf in dff8 inc8; do
    put_vhdl_statements "counter.vdp/design/$leaf/a0/$leaf.vhd" "$here/user/$leaf.vhd"
    put_verilog_body "counter.vdp/design/$leaf/a0/$leaf.v" "$here/user/$leaf.v"
done
run "$here/generate.zeph" counter.vdp

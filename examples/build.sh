#!/usr/bin/env bash
# Builds one example from scratch in WORK (default: the current directory): draws the design
# with zeph (NAME/draw.zeph), puts the hand-written statements of NAME/user/ into the user
# regions of the leaves' HDL files, then verifies the design and writes its VHDL and Verilog
# into NAME.vdp/output (NAME/generate.zeph).
set -euo pipefail
name=${1:?usage: build.sh NAME ZEPH [WORK]}
zeph=${2:?usage: build.sh NAME ZEPH [WORK]}
work=${3:-.}
here=$(cd "$(dirname "$0")" && pwd)/$name
[ -f "$here/draw.zeph" ] || { echo "no example '$name'" >&2; exit 2; }
zeph=$(cd "$(dirname "$zeph")" && pwd)/$(basename "$zeph")
mkdir -p "$work"
cd "$work"
rm -rf "$name.vdp" zeph.ini

run() { "$zeph" --settings zeph.ini --batch "$1" "${@:2}"; }

# VHDL: the statements go after the "begin" of the architecture.
put_vhdl_statements() {
    awk -v add="$2" '
        { print }
        !done && $0 == "begin" { while ((getline line < add) > 0) print line; done = 1 }
    ' "$1" > "$1.new"
    mv "$1.new" "$1"
}

# Verilog: the module body follows the meta comment.
put_verilog_body() {
    cat "$2" >> "$1"
}

run "$here/draw.zeph"
for statements in "$here"/user/*.vhd; do
    [ -e "$statements" ] || continue # a design without hand-written leaves
    leaf=$(basename "$statements" .vhd)
    put_vhdl_statements "$name.vdp/design/$leaf/a0/$leaf.vhd" "$statements"
    put_verilog_body "$name.vdp/design/$leaf/a0/$leaf.v" "$here/user/$leaf.v"
done
run "$here/generate.zeph" "$name.vdp"

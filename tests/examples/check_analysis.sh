#!/usr/bin/env bash
# The analysis tools on the shipped examples, with the zeph under test: GHDL and Icarus
# Verilog run by zeph over the files it generated (clean runs, then a broken user region whose
# compiler error must reach the report window), and a testbench that zeph creates for the
# counter, with stimuli written into its user region, copied out by "Testbench of root",
# analysed and elaborated by zeph's GHDL run and then simulated.
set -euo pipefail
zeph=${1:?usage: check_analysis.sh ZEPH WORK}
work=${2:?usage: check_analysis.sh ZEPH WORK}
examples=$(cd "$(dirname "$0")/../../examples" && pwd)
zeph=$(cd "$(dirname "$zeph")" && pwd)/$(basename "$zeph")
rm -rf "$work"
mkdir -p "$work"
export SOURCE_DATE_EPOCH=946684800

fail() { echo "FAILED: $*"; exit 1; }
# Runs the zeph script $2.zeph on the project $3 with the analysis tool $1 (and the working
# library $4); the console output is kept in $2.log.
with_tool() {
    printf '[Tools]\nAnalysisTool=%s\nWorkingLibrary=%s\n' "$1" "${4:-}" > "$2.ini"
    "$zeph" --settings "$2.ini" --batch "$2.zeph" "$3" > "$2.log" 2>&1 || true
}
expect() { grep -qF -- "$2" "$1" || { cat "$1"; fail "'$2' missing in $1"; }; }
refuse() { ! grep -q -- "$2" "$1" || { cat "$1"; fail "'$2' found in $1"; }; }

for example in counter datapath; do
    echo "== $example: GHDL and Icarus Verilog as analysis tools"
    "$examples/build.sh" "$example" "$zeph" "$work/$example" > "$work/$example.log" 2>&1 ||
        { cat "$work/$example.log"; fail "building $example"; }
    cd "$work/$example"
    out=$example.vdp/output
    printf 'verify-design\ngenerate root=%s overwrite file=%s/%s.vhd\nexit\n' \
        "$example" "$PWD/$out" "$example" > ghdl.zeph
    with_tool GHDL ghdl "$example.vdp"
    expect ghdl.log "report-title: GHDL Compiler"
    expect ghdl.log "status: Output generated in file"
    refuse ghdl.log "^error:"
    [ -f "$out/work-obj87.cf" ] || fail "GHDL wrote no library"
    printf 'setup language verilog\nverify-design\ngenerate root=%s overwrite file=%s/%s.v\nanswer no\nexit\n' \
        "$example" "$PWD/$out" "$example" > icarus.zeph
    with_tool Icarus icarus "$example.vdp"
    expect icarus.log "report-title: Icarus Verilog Compiler"
    refuse icarus.log "^error:"
    [ -f "$out/$example.vvp" ] || fail "Icarus wrote no $example.vvp"

    # A deliberate error in a user region: the compiler's message reaches the report window.
    leaf=$(basename "$(ls "$examples/$example/user/"*.vhd | head -1)" .vhd)
    sed -i 's/^\(  *[a-z_(0-9)]* *<= *\)/\1undeclared_signal + /' "$example.vdp/design/$leaf/a0/$leaf.vhd"
    with_tool GHDL ghdl "$example.vdp"
    expect ghdl.log "report: $example.vhd:"
    expect ghdl.log "undeclared_signal"
    echo 'module broken_leaf; assign = ; endmodule' >> "$example.vdp/design/$leaf/a0/$leaf.v"
    with_tool Icarus icarus "$example.vdp"
    expect icarus.log "report: $example.v:"
    cd - > /dev/null
done

echo "== counter: a testbench made by zeph, with stimuli in its user region"
"$examples/build.sh" counter "$zeph" "$work/bench" > "$work/bench.log" 2>&1 ||
    { cat "$work/bench.log"; fail "building the counter"; }
cd "$work/bench"
# The working library "work" gives the testbench "library work ; use work.all ;", which binds
# its instance of the counter; configuration specifications (parts=84) bind the counter's own.
printf 'answer yes\ntestbench counter counter_tb\nsave\nexit\n' > make.zeph
with_tool - make counter.vdp work
# zeph prints the file in the project's working copy; the user edits the saved copy, which the
# next session starts from (as build.sh does for the leaves).
tb=$(sed -n 's/^testbench: //p' make.log)
case $tb in /*) ;; *) tb=counter.vdp/$tb ;; esac
tb=${tb/counter.vdp\/work\//counter.vdp/design/}
[ -f "$tb" ] || { cat make.log; fail "no testbench file '$tb'"; }
refuse "$tb" "clocking"
# The clock and reset come from a process of the user's; the stimulus process (sensitive to
# the count) checks that bit 0 toggles with every count after the reset, and the clock
# process checks the count after 20 edges.
awk '
    tolower($0) ~ /^ stimuli: process/ {
        print " clocking : process"
        print " begin"
        print "   rst <= '\''1'\'' ; clk <= '\''0'\'' ;"
        print "   wait for 5 ns ;"
        print "   rst <= '\''0'\'' ;"
        print "   for n in 1 to 20 loop"
        print "     clk <= '\''1'\'' ; wait for 5 ns ; clk <= '\''0'\'' ; wait for 5 ns ;"
        print "   end loop ;"
        print "   assert q = \"00010100\" report \"count wrong after 20 edges\" severity failure ;"
        print "   assert false report \"counter_tb passed\" severity note ;"
        print "   wait ;"
        print " end process clocking ;"
        print ""
        print
        print "   variable changes : natural := 0 ;"
        next
    }
    tolower($0) ~ /^  end process stimuli/ {
        print "    if rst = '\''0'\'' then"
        print "      changes := changes + 1 ;"
        print "      assert (q(0) = '\''1'\'') = (changes mod 2 = 1)"
        print "        report \"bit 0 does not toggle with the count\" severity failure ;"
        print "    end if ;"
    }
    { print }
' "$tb" > "$tb.new"
mv "$tb.new" "$tb"
mkdir -p out
printf 'verify-design\ngenerate root=counter parts=84 overwrite file=%s\ngenerate root=counter parts=2 overwrite file=%s\nexit\n' \
    "$PWD/out/counter.vhd" "$PWD/out/counter_tb.vhd" > run.zeph
with_tool GHDL run counter.vdp work
refuse run.log "^error:"
expect run.log "report-title: GHDL Compiler"
expect out/counter_tb.vhd "clocking : process"
(cd out && ghdl -r --std=87 counter_tb --assert-level=error) | tee sim.log
grep -q "counter_tb passed" sim.log || fail "the testbench did not pass"
echo "== analysis tools passed"

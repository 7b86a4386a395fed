#!/usr/bin/env bash
# Times the whole import against "ghdl -s" on the benchmark's VHDL file, both as whole
# processes on the same machine: zeph (a Release build) imports the file with "import-vhdl"
# into a new design in batch mode; GHDL analyses it without generating code. Each run gets a
# fresh directory under TMPDIR (the import creates two directories and a file per entity, so
# the file system there counts; directories are removed only at the end, since ext4 makes
# creating inodes right after deleting many of them slow).
# With FILE, that file is timed instead of the generated one (GHDL then also accepts the
# Synopsys packages that real files often use).
#   bench/import/compare_with_ghdl.sh BUILD_DIR [RUNS] [FILE]
set -euo pipefail
build=$(cd "${1:?usage: compare_with_ghdl.sh BUILD_DIR [RUNS] [FILE]}" && pwd)
runs=${2:-5}
source_file=${3:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ -n "$source_file" ]; then
    cp "$source_file" "$work/big.vhd"
else
    "$build/bench/import/make_import_file" "$work/big.vhd"
fi
bytes=$(wc -c < "$work/big.vhd")
echo "file: $(wc -l < "$work/big.vhd") lines, $bytes bytes"

printf 'setup vhdl93 yes\nimport-vhdl %s\nanswer no\nexit\n' "$work/big.vhd" > "$work/import.zeph"

# Best wall-clock time of RUNS runs of a command, each in a fresh empty directory.
best_of() {
    python3 - "$runs" "$work" "$@" <<'PY'
import os, subprocess, sys, time
runs, work, command = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
best = None
for run in range(runs):
    place = os.path.join(work, command[0].replace('/', '_') + str(run))
    os.makedirs(place)
    env = dict(os.environ, HOME=place, XDG_CONFIG_HOME=place)
    start = time.perf_counter()
    subprocess.run(command, cwd=place, env=env, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, check=True)
    took = time.perf_counter() - start
    best = took if best is None else min(best, took)
print(f"{best:.3f}")
PY
}

ghdl_s=$(best_of ghdl -s --std=93c -fsynopsys "$work/big.vhd")
zeph_s=$(best_of "$build/apps/zeph/zeph" --batch "$work/import.zeph")
python3 - "$bytes" "$ghdl_s" "$zeph_s" "$runs" <<'PY'
import sys
size, ghdl, zeph, runs = int(sys.argv[1]), float(sys.argv[2]), float(sys.argv[3]), sys.argv[4]
for name, t in (("ghdl -s", ghdl), ("zeph import-vhdl", zeph)):
    print(f"{name:18s} {t:.3f} s  {size / t / 1e6:6.2f} MB/s  (best of {runs})")
PY

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright The Marlune developers
# marlune-cli tag auto / tag show over 10,000 files named "(Artist) Title.mp3", side by
# side with a bare C++ loop, kid3-cli, eyeD3 and id3v2; the system calls per file that
# tag auto and the bare loop make (strace -c); and marlune-cli's start-up against
# /bin/true. Usage: run.sh BUILD_DIR [FILES]
# PEERS=no leaves out kid3-cli, eyeD3 and id3v2 (they take minutes). BEFORE=PATH adds
# another marlune-cli (an older build) to the same runs, for before/after ratios.
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
count=${2:-10000}
peers=${PEERS:-yes}
before=${BEFORE:-}
# kid3-cli slows down more than linearly with the number of files (10,000 took over
# 8 minutes without finishing) and eyeD3 starts one Python process per file: both are
# timed on a subset and scaled linearly, which flatters them.
subset=500
eyed3_subset=100
# strace counts are taken over this many files and over one, so start-up drops out.
traced=2000
cli=$build/cli/marlune-cli
bare=$build/bench/tags/tags_bare_loop
tools=(hyperfine strace)
[ "$peers" = no ] || tools+=(kid3-cli eyeD3 id3v2)
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || { echo "run.sh: $tool missing (scripts/install-deps --test)"; exit 1; }
done
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Two real MPEG frames per file (836 bytes), no tag yet.
python3 - "$work/all" "$work/sub" "$work/eyed3" "$count" "$subset" "$eyed3_subset" <<'PY'
import os, sys
all_dir, sub_dir, eyed3_dir = sys.argv[1:4]
count, subset, eyed3_subset = (int(n) for n in sys.argv[4:7])
frame = bytearray(417); frame[0:4] = b'\xff\xfb\x90\x64'
audio = bytes(frame) * 2
for d, n in ((all_dir, count), (sub_dir, subset), (eyed3_dir, eyed3_subset)):
    os.makedirs(d)
    for i in range(n):
        with open(os.path.join(d, f'(Artist {i % 97}) Title Number {i}.mp3'), 'wb') as f:
            f.write(audio)
PY

eyed3_loop='for f in *.mp3; do a=${f#(}; a=${a%%)*}; t=${f#*) }; t=${t%.mp3}; eyeD3 -Q -1 -a "$a" -t "$t" "$f" >/dev/null 2>&1; done'

echo "== tag auto: $count files"
auto_cmds=(-n "marlune-cli tag auto" "bash -c 'cd $work/all && exec $cli tag auto *.mp3'")
[ -z "$before" ] || auto_cmds+=(-n "marlune-cli tag auto (before)" "bash -c 'cd $work/all && exec $before tag auto *.mp3'")
hyperfine -N --warmup 2 --runs "${RUNS:-10}" --export-json "$work/auto.json" "${auto_cmds[@]}" \
  -n "bare C++ loop (read 128, write 128)" "bash -c 'cd $work/all && exec $bare write *.mp3'" \
  -n "bash + glob alone" "bash -c 'cd $work/all && exec true *.mp3'"
# hyperfine runs one command's runs after the other's; run by run in alternation, a
# neighbour's burst of load falls on both sides.
echo "== tag auto: $count files, marlune-cli and the bare loop in alternation"
paired_cmds=("bare C++ loop" "cd $work/all && exec $bare write *.mp3"
             "marlune-cli tag auto" "cd $work/all && exec $cli tag auto *.mp3")
[ -z "$before" ] || paired_cmds+=("marlune-cli tag auto (before)" "cd $work/all && exec $before tag auto *.mp3")
"$here/../paired" "${RUNS:-10}" true "${paired_cmds[@]}"

# System calls of one run over N files and over 1: the difference divided by N - 1 is
# what each further file costs, start-up left out.
syscalls_per_file() {
  local label=$1
  shift
  local many=("$work"/all/*.mp3)
  many=("${many[@]:0:$traced}")
  strace -f -c -U calls,name -o "$work/strace-many" "$@" "${many[@]}" >/dev/null
  strace -f -c -U calls,name -o "$work/strace-one" "$@" "${many[0]}" >/dev/null
  "$here/../strace-per-file" "$work/strace-many" "$work/strace-one" "$traced" "$label"
}
echo "== tag auto: system calls per file (strace -c over $traced files and over 1)"
syscalls_per_file "marlune-cli tag auto" "$cli" tag auto
[ -z "$before" ] || syscalls_per_file "marlune-cli tag auto (before)" "$before" tag auto
syscalls_per_file "bare C++ loop" "$bare" write

echo "== start-up: one file"
all=("$work"/all/*.mp3)
one=${all[0]}
start_cmds=(-n "marlune-cli --version" "$cli --version" -n "marlune-cli tag show (1 file)" "$cli tag show '$one'")
[ -z "$before" ] || start_cmds+=(-n "marlune-cli --version (before)" "$before --version"
                                 -n "marlune-cli tag show (1 file, before)" "$before tag show '$one'")
hyperfine -N --warmup 20 --runs "${RUNS_START:-200}" --output=null --export-json "$work/start.json" \
  -n "/bin/true" "/bin/true" "${start_cmds[@]}"

if [ "$peers" = no ]; then
  echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
  exit 0
fi
echo "== tag auto: kid3-cli on $subset files, eyeD3 -1 (one process per file) on $eyed3_subset, scaled"
hyperfine -N --warmup 0 --runs 2 --export-json "$work/auto-kid3.json" \
  -n "kid3-cli totag (ID3v1) (x$((count / subset)))" "bash -c 'cd $work/sub && exec kid3-cli -c \"totag \\\"(%{artist}) %{title}\\\" 1\" -c save *.mp3'"
hyperfine --warmup 0 --runs 1 --export-json "$work/auto-eyed3.json" \
  -n "eyeD3 -1 -a -t, $eyed3_subset files (x$((count / eyed3_subset)))" "cd $work/eyed3 && $eyed3_loop"

echo "== tag show: $count files"
hyperfine -N --warmup 1 --runs 5 --export-json "$work/show.json" \
  -n "marlune-cli tag show" "bash -c 'cd $work/all && exec $cli tag show *.mp3 >/dev/null'" \
  -n "marlune-cli tag show --json" "bash -c 'cd $work/all && exec $cli tag show --json *.mp3 >/dev/null'" \
  -n "bare C++ loop (read 128)" "bash -c 'cd $work/all && exec $bare read *.mp3'" \
  -n "id3v2 -l" "bash -c 'cd $work/all && exec id3v2 -l *.mp3 >/dev/null'"
echo "== tag show: kid3-cli and eyeD3 -1 on $subset files, scaled by $((count / subset))"
hyperfine -N --warmup 0 --runs 2 --export-json "$work/show-kid3.json" \
  -n "kid3-cli get all 1 (x$((count / subset)))" "bash -c 'cd $work/sub && exec kid3-cli -c \"get all 1\" *.mp3 >/dev/null'"
hyperfine -N --warmup 0 --runs 1 --export-json "$work/show-eyed3.json" \
  -n "eyeD3 -1 (x$((count / subset)))" "bash -c 'cd $work/sub && exec eyeD3 -1 *.mp3 >/dev/null 2>&1'"

python3 - "$work" "$((count / subset))" "$((count / eyed3_subset))" <<'PY'
import json, sys
work, scale, eyed3_scale = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
def load(name, scale=1):
    return [(r['command'], r['mean'] * scale) for r in json.load(open(f'{work}/{name}.json'))['results']]
for title, parts in (('tag auto', [('auto', 1), ('auto-kid3', scale), ('auto-eyed3', eyed3_scale)]),
                     ('tag show', [('show', 1), ('show-kid3', scale), ('show-eyed3', scale)])):
    rows = [r for name, factor in parts for r in load(name, factor)]
    ours = rows[0][1]
    print(f'\n{title}: mean seconds for all files, and the ratio to marlune-cli')
    for cmd, t in rows:
        print(f'  {cmd:42s} {t:9.3f} s   x{t / ours:7.2f}')
PY
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

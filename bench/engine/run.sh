#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright The Marlune developers
# Engine benchmarks: the naming modes and the rename phase (Google Benchmark), then a
# capitalising rename of 10,000 files by marlune-cli, Debian's perl rename and a bare
# C++ loop of renameat2(RENAME_NOREPLACE) over the same shell-expanded file list, side by
# side (hyperfine; before each run the folder's names are put back in lower case), and
# the system calls per file of marlune-cli and the loop (strace -c).
# Usage: run.sh [BUILD_DIR]. BEFORE=PATH adds an older marlune-cli to the same runs;
# ROUNDS=N repeats the hyperfine run N times, so the commands alternate round by round,
# each round followed by marlune-cli (and the older one) and the bare loop run by run in
# alternation (bench/paired).
# With valgrind installed, the user-space instructions per file (callgrind) follow: the
# figure the machine's load does not move.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
cli=$build/cli/marlune-cli
bare=$build/bench/engine/bare_rename
before=${BEFORE:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files=$work/files
# strace counts are taken over this many files and over one, so start-up drops out.
traced=2000

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
[ -n "${SKIP_GBENCH:-}" ] || "$build/bench/engine/engine_bench"

perl_rename=$(command -v file-rename || command -v rename || true)
# The same capitalisation as marlune-cli's capitalize mode, for ASCII names.
expr='$_ = lc; s/^ +| +$//g; s/^([^\p{L}]?)(.)/$1\u$2/; s/ (.)/ \u$1/g'

"$here/make_files.sh" "$files"
in_files() { echo "bash -c 'cd $files && exec $*'"; }
cmds=(-n "marlune-cli rename" "$(in_files "$cli rename --mode capitalize -- * >/dev/null")")
[ -z "$before" ] || cmds+=(-n "marlune-cli rename (before)" "$(in_files "$before rename --mode capitalize -- * >/dev/null")")
cmds+=(-n "bare renameat2 loop" "$(in_files "$bare -- *")")
if [ -n "$perl_rename" ]; then
  # A script of its own, as the expression's quotes would not survive a second quoting.
  printf 'cd %q && exec %q %q -- *\n' "$files" "$perl_rename" "$expr" >"$work/perl-rename.sh"
  cmds+=(-n "perl rename" "bash $work/perl-rename.sh")
fi
cmds+=(-n "bash + glob alone" "$(in_files "true *")")
for round in $(seq 1 "${ROUNDS:-1}"); do
  echo "== rename, 10,000 files, round $round"
  hyperfine -N --warmup 1 --runs "${RUNS:-10}" --prepare "$bare --lower $files" "${cmds[@]}"
  # hyperfine runs one command's runs after the other's; run by run in alternation,
  # a neighbour's burst of load falls on both sides.
  echo "== rename, 10,000 files, round $round, marlune-cli and the bare loop in alternation"
  paired_cmds=("bare renameat2 loop" "cd $files && exec $bare -- *"
               "marlune-cli rename" "cd $files && exec $cli rename --mode capitalize -- * >/dev/null")
  [ -z "$before" ] || paired_cmds+=("marlune-cli rename (before)" "cd $files && exec $before rename --mode capitalize -- * >/dev/null")
  "$here/../paired" "${RUNS:-10}" "$bare --lower $files && sync" "${paired_cmds[@]}"
done

# System calls of one run over N files and over 1: the difference divided by N - 1 is
# what each further file costs, start-up left out.
syscalls_per_file() {
  local label=$1
  shift
  "$here/make_files.sh" "$work/many" "$traced"
  "$here/make_files.sh" "$work/one" 1
  (cd "$work/many" && strace -f -c -U calls,name -o "$work/strace-many" "$@" -- * >/dev/null)
  (cd "$work/one" && strace -f -c -U calls,name -o "$work/strace-one" "$@" -- * >/dev/null)
  "$here/../strace-per-file" "$work/strace-many" "$work/strace-one" "$traced" "$label"
}
if command -v strace >/dev/null; then
  echo "== rename: system calls per file (strace -c over $traced files and over 1)"
  syscalls_per_file "marlune-cli rename" "$cli" rename --mode capitalize
  [ -z "$before" ] || syscalls_per_file "marlune-cli rename (before)" "$before" rename --mode capitalize
  syscalls_per_file "bare renameat2 loop" "$bare"
fi

# Instructions of one run over N files and over 1, in a folder in memory (tmpfs) so the
# file system adds nothing: the difference divided by N - 1 is each further file's cost.
instructions() {
  (cd "$1" && valgrind --tool=callgrind --callgrind-out-file=/dev/null "${@:2}" -- * 2>&1 >/dev/null |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p')
}
instructions_per_file() {
  local label=$1 many one
  shift
  "$here/make_files.sh" "$memory/many" "$traced"
  "$here/make_files.sh" "$memory/one" 1
  many=$(instructions "$memory/many" "$@")
  one=$(instructions "$memory/one" "$@")
  printf '  %-40s %6d instructions per file (start-up %d)\n' "$label" $(((many - one) / (traced - 1))) "$one"
}
if command -v valgrind >/dev/null && [ -d /dev/shm ]; then
  memory=$(mktemp -d /dev/shm/marlune-bench.XXXXXX)
  trap 'rm -rf "$work" "$memory"' EXIT
  echo "== rename: user-space instructions per file (callgrind over $traced files and over 1, tmpfs)"
  for cli_binary in "$cli" ${before:+"$before"}; do
    tag=$([ "$cli_binary" = "$cli" ] && echo now || echo before)
    instructions_per_file "marlune-cli rename --mode capitalize, $tag" "$cli_binary" rename --mode capitalize
    instructions_per_file "marlune-cli rename --words 1, $tag" "$cli_binary" rename --words 1
  done
  instructions_per_file "bare renameat2 loop" "$bare"
fi
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

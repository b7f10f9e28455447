#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright The Marlune developers
# What the rename journal costs: a capitalising rename of 10,000 files by marlune-cli,
# journaled and not (MARLUNE_BENCH_NO_JOURNAL, read by the benchmark alone), run by
# run in alternation (bench/paired; before each run the names are put back in lower
# case), then the time of undoing such a pass and the system calls per file of both
# renames.
# Usage: run.sh [BUILD_DIR]. RUNS=N pairs per round (default 20); ROUNDS=N repeats the
# comparison N times; QUICK=1 stops after it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
cli=$build/cli/marlune-cli
bare=$build/bench/engine/bare_rename
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files=$work/files
# The benchmark's journal, never the user's.
export XDG_DATA_HOME=$work/data

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
"$here/../engine/make_files.sh" "$files"
for round in $(seq 1 "${ROUNDS:-1}"); do
  echo "== rename of 10,000 files with and without the journal, round $round"
  # The prepare step's own renames are flushed first (sync), so the journal's flush
  # does not pay for them.
  "$here/../paired" "${RUNS:-20}" "$bare --lower $files && sync" \
    "no journal" "cd $files && MARLUNE_BENCH_NO_JOURNAL=1 exec $cli rename --mode capitalize -- * >/dev/null" \
    "journaled" "cd $files && exec $cli rename --mode capitalize -- * >/dev/null"
done
[ -z "${QUICK:-}" ] || exit 0

echo "== undo of a 10,000-file pass"
hyperfine -N --runs 10 \
  --prepare "bash -c '$bare --lower $files && cd $files && $cli rename --mode capitalize -- * >/dev/null'" \
  -n "marlune-cli undo" "$cli undo"
echo "journal folder: $(du -sh "$XDG_DATA_HOME/marlune/journal" | cut -f1) in $(ls "$XDG_DATA_HOME/marlune/journal" | wc -l) files"

if command -v strace >/dev/null; then
  echo "== system calls per file (strace -c over 2000 files and over 1)"
  for label in journaled "no journal"; do
    envs=()
    [ "$label" = journaled ] || envs=(env MARLUNE_BENCH_NO_JOURNAL=1)
    "$here/../engine/make_files.sh" "$work/many" 2000
    "$here/../engine/make_files.sh" "$work/one" 1
    (cd "$work/many" && strace -f -c -U calls,name -o "$work/strace-many" "${envs[@]}" "$cli" rename --mode capitalize -- * >/dev/null)
    (cd "$work/one" && strace -f -c -U calls,name -o "$work/strace-one" "${envs[@]}" "$cli" rename --mode capitalize -- * >/dev/null)
    "$here/../strace-per-file" "$work/strace-many" "$work/strace-one" 2000 "marlune-cli rename, $label"
  done
fi
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

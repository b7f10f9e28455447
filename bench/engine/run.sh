#!/usr/bin/env bash
# Engine benchmarks: the naming modes and the rename phase (Google Benchmark), then a
# capitalising rename of 10,000 files by marlune-cli, Debian's perl rename and a bare
# C++ loop over the same shell-expanded file list, side by side (hyperfine; before each run the folder's names are put back in
# lower case).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
cli=$build/cli/marlune-cli
bare=$build/bench/engine/bare_rename
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files=$work/files

"$build/bench/engine/engine_bench"

perl_rename=$(command -v file-rename || command -v rename)
# The same capitalisation as marlune-cli's capitalize mode, for ASCII names.
expr='$_ = lc; s/^ +| +$//g; s/^([^\p{L}]?)(.)/$1\u$2/; s/ (.)/ \u$1/g'

"$here/make_files.sh" "$files"
hyperfine --warmup 1 --runs "${RUNS:-5}" --prepare "$bare --lower $files" \
  -n marlune-cli "cd $files && $cli rename --mode capitalize -- * >/dev/null" \
  -n perl-rename "cd $files && $perl_rename '$expr' -- *" \
  -n bare-loop "cd $files && $bare -- *"

#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright The Marlune developers
# Main window benchmarks: File1 and the preview (offscreen), then start-up to the main
# window's first paint under Xvfb, median of 10 runs, and the idle program's memory.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
probe=$build/bench/mainwindow/marlune_startup_probe

"$build/bench/mainwindow/mainwindow_bench"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The program's folder is the probe's: keep its renamer.ini from showing the splash.
printf '"NotOnTop"\r\n"Dock"\r\n"400"\r\n""\r\n"NoSplash"\r\n"Sound"\r\n""\r\n' > "$build/bench/mainwindow/renamer.ini"
cat > "$work/measure.sh" <<SCRIPT
#!/usr/bin/env bash
set -e
cd "$work"
"$probe" > /dev/null 2>&1 || true   # warm the caches once
for i in \$(seq 1 \${RUNS:-10}); do
  start=\$(date +%s%N)
  out=\$("$probe" 2>/dev/null)
  paint=\$(echo "\$out" | awk '/first_paint_ns/ {print \$2}')
  rss=\$(echo "\$out" | awk '/idle_rss_kb/ {print \$2}')
  echo "\$(( (paint - start) / 1000000 )) \$rss"
done
SCRIPT
chmod +x "$work/measure.sh"
xvfb-run -a -s '-screen 0 1280x1024x24' "$work/measure.sh" | sort -n > "$work/runs"
rm -f "$build/bench/mainwindow/renamer.ini"
echo "start-up to first paint (ms), idle RSS (kB), per run:"
cat "$work/runs"
n=$(wc -l < "$work/runs")
echo "median start-up: $(sed -n "$(( (n + 1) / 2 ))p" "$work/runs" | cut -d' ' -f1) ms"
echo "median idle RSS: $(cut -d' ' -f2 "$work/runs" | sort -n | sed -n "$(( (n + 1) / 2 ))p") kB"

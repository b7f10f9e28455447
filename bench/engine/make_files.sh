#!/usr/bin/env bash
# Makes a fresh folder of 10,000 empty, lower-case music file names.
set -euo pipefail
folder=$1
rm -rf "$folder"
mkdir -p "$folder"
cd "$folder"
seq -f 'the owls - blue sky take %05g.mp3' 1 10000 | xargs -d '\n' touch

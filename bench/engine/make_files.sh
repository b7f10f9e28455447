#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copyright The Marlune developers
# Makes a fresh folder of COUNT (default 10,000) empty, lower-case music file names.
set -euo pipefail
folder=$1
count=${2:-10000}
rm -rf "$folder"
mkdir -p "$folder"
cd "$folder"
seq -f 'the owls - blue sky take %05g.mp3' 1 "$count" | xargs -d '\n' touch

#!/usr/bin/env bash
# Runs every fuzz target of a build folder for a while, on a corpus kept in the build folder
# and started from the seeds in fuzz/seeds/<target>.
#   fuzz/run.sh BUILD_DIR [libFuzzer options...]     (default: -max_total_time=60)
set -euo pipefail
build=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
options=("$@")
[ ${#options[@]} -eq 0 ] && options=(-max_total_time=60)
for program in "$build"/fuzz/*_fuzz; do
    name=$(basename "$program" _fuzz)
    corpus=$build/fuzz/corpus-$name
    mkdir -p "$corpus"
    echo "== $name"
    ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0} \
        "$program" -entropic=0 -max_len=128 -timeout=20 -artifact_prefix="$build/fuzz/" "${options[@]}" "$corpus" "$here/seeds/$name"
done

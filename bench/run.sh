#!/usr/bin/env bash
# Runs every benchmark program of a build folder on the common corpus (50 MB, seed 7).
#   bench/run.sh BUILD_DIR [benchmark options...]
# The corpus is generated once into BUILD_DIR/corpus-50-7.txt; KES_CORPUS names it for the
# programs.
set -euo pipefail
build=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
corpus=$build/corpus-50-7.txt
generator=${KES_CORPUS_GENERATOR:-$here/../../shared/bench/gen_corpus.py}
if [ ! -s "$corpus" ]; then
    if [ ! -f "$generator" ]; then
        echo "bench/run.sh: corpus generator $generator not found; name it with KES_CORPUS_GENERATOR" >&2
        exit 2
    fi
    python3 "$generator" 50 7 "$corpus"
fi
export KES_CORPUS=$corpus
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for program in "$build"/bench/*Bench; do
    echo "== $(basename "$program")"
    "$program" "$@"
done

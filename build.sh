#!/usr/bin/env bash
# Installs what is missing, builds, and runs Kestrelpad, its tests or its benchmarks.
#   ./build.sh run     Release build, then start the editor
#   ./build.sh test    AddressSanitizer + UndefinedBehaviorSanitizer build, then every test
#   ./build.sh bench   Release build of the benchmarks, then run them
#   ./build.sh fuzz    clang build of the fuzz targets, then a short run of each
#   ./build.sh shots   Release build, then the picture gallery of the editor in build/shots/
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ pkg-config python3 qt6-base-dev libgl-dev fonts-ipafont-gothic
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth)
BENCH_PACKAGES=(libonig-dev libqscintilla2-qt6-dev)
FUZZ_PACKAGES=(clang libclang-rt-dev)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

case "${1:-}" in
run)
    install_missing "${PACKAGES[@]}"
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKES_TESTS=OFF
    cmake --build build/release -j "$jobs"
    exec build/release/app/kespad
    ;;
test)
    install_missing "${PACKAGES[@]}"
    cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKES_SANITIZE=ON -DKES_WERROR=ON
    cmake --build build/asan -j "$jobs"
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ctest --test-dir build/asan --output-on-failure -j "$jobs"
    ;;
bench)
    install_missing "${PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
    cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DKES_TESTS=OFF -DKES_BENCH=ON
    cmake --build build/bench -j "$jobs"
    shift
    bench/run.sh build/bench "$@"
    ;;
shots)
    install_missing "${PACKAGES[@]}"
    cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKES_TESTS=OFF
    cmake --build build/release -j "$jobs" --target kespad-gallery
    QT_QPA_PLATFORM=offscreen build/release/gallery/kespad-gallery build/shots
    ;;
fuzz)
    install_missing "${PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"
    CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKES_TESTS=OFF \
        -DKES_GUI=OFF -DKES_FUZZ=ON
    cmake --build build/fuzz -j "$jobs"
    shift
    fuzz/run.sh build/fuzz "$@"
    ;;
*)
    sed -n '2,8s/^# \{0,1\}//p' "$0"
    exit 2
    ;;
esac

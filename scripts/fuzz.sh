#!/bin/sh
# Fuzzes the data file's text and stream readers with clang's libFuzzer.
#   scripts/fuzz.sh [SECONDS_PER_READER]   (default 300)
# Runs each reader on a working corpus seeded from tests/datafile/corpus, then
# merges the inputs that reach new code back into that corpus, which the normal
# tests replay. A crash leaves its input in build-fuzz/findings/: copy it into
# the corpus once it is mended.
set -eu
cd "$(dirname "$0")/.."
SECONDS_PER_READER="${1:-300}"

scripts/install-deps.sh
missing=""
for p in clang libclang-rt-14-dev; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
if [ -n "$missing" ]; then
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
    -DCMAKE_CXX_COMPILER=clang++ -DZW_FUZZ=ON -DZW_BUILD_BENCH=OFF
cmake --build build-fuzz -j "${JOBS:-2}" --target fuzz_datafile_text fuzz_datafile_stream

export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
for kind in text stream; do
    work="build-fuzz/corpus/$kind"
    mkdir -p "$work" build-fuzz/findings
    echo "=== $kind reader, ${SECONDS_PER_READER}s"
    build-fuzz/bin/fuzz_datafile_$kind -max_total_time="$SECONDS_PER_READER" -max_len=4096 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$kind-" \
        "$work" "tests/datafile/corpus/$kind"
    build-fuzz/bin/fuzz_datafile_$kind -merge=1 "tests/datafile/corpus/$kind" "$work"
done

#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/ and runs each for FUZZ_SECONDS (default 60). Any crash, leak, hang or
# sanitizer report fails the run; the input that caused it is left in build-fuzz/. FUZZ_SEED fixes
# the fuzzer's choices, so that a smoke run in CI meets the same inputs every time (0: random).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh clang-14 libclang-rt-14-dev
seconds=${FUZZ_SECONDS:-60}
seed=${FUZZ_SEED:-0}
targets=(listfile textfile settings sharedlog)

flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer -g"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVEL_FUZZ=ON -DCMAKE_UNITY_BUILD=ON \
    -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-fuzz --target "${targets[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
for target in "${targets[@]}"; do
    # The fuzzer adds what it finds to a working copy; the seeds in the repository stay small.
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    cp -n fuzz/corpus/"$target"/* "$corpus"/
    echo "== fuzz_$target for ${seconds}s"
    status=0
    (cd build-fuzz && bin/fuzz_"$target" -max_total_time="$seconds" -seed="$seed" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 "corpus/$target") \
        >"build-fuzz/$target.log" 2>&1 || status=$?
    grep -E '^#[0-9]+.*DONE|^stat::(number_of_executed_units|peak_rss_mb)|ERROR|SUMMARY' \
        "build-fuzz/$target.log" || true
    if ((status != 0)); then
        tail -n 40 "build-fuzz/$target.log"
        exit "$status"
    fi
done

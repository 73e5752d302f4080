#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# and runs each from the committed corpus, printing one line a target.
#
#   tools/fuzz/run.sh                 every target for 20 seconds
#   tools/fuzz/run.sh 300             every target for 300 seconds
#   tools/fuzz/run.sh -runs 10000000  every target for ten million inputs
#   tools/fuzz/run.sh 60 jpeg_fuzz    only the targets named
#
# What a run finds is kept in build/fuzz/found/TARGET (new inputs) and build/fuzz/crashes/TARGET
# (inputs that broke a promise or crashed); the exit status is 1 when any target crashed.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="$root/build/fuzz"
all=(map_lines_fuzz fleet_lines_fuzz settings_fuzz language_fuzz jpeg_fuzz network_fuzz network_framing_fuzz game_record_fuzz)

limit=(-max_total_time=20)
if [ $# -gt 0 ] && [ "$1" = "-runs" ]; then limit=(-runs="$2"); shift 2
elif [ $# -gt 0 ] && [[ "$1" =~ ^[0-9]+$ ]]; then limit=(-max_total_time="$1"); shift; fi
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DKORVALD_FUZZ=ON >/dev/null
cmake --build "$build" --target "${targets[@]}" >/dev/null

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$root/tools/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
status=0
for target in "${targets[@]}"; do
    found="$build/found/$target"
    crashes="$build/crashes/$target"
    mkdir -p "$found" "$crashes"
    log="$build/$target.log"
    if "$build/tools/fuzz/$target" "${limit[@]}" -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
        -artifact_prefix="$crashes/" "$found" "$root/tools/fuzz/corpus/$target" >"$log" 2>&1; then
        :
    else
        status=1
    fi
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || echo 0)
    corpus=$(find "$found" "$root/tools/fuzz/corpus/$target" -type f | wc -l)
    crashed=$(find "$crashes" -type f | wc -l)
    [ "$crashed" -eq 0 ] || status=1
    printf '%-18s runs %10s   corpus %6s   crashes %s\n' "$target" "${runs:-0}" "$corpus" "$crashed"
done
exit $status

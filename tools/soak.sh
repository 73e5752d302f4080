#!/usr/bin/env bash
# The soak: the self-play simulator plays GAMES games of every mode and navy, and the two
# programs of the network test play NETWORK games in a row with a peer that misbehaves in one
# game of ten. Run it on a sanitized build (the default is the checked build of .ci/run).
#
#   tools/soak.sh [GAMES [NETWORK [BUILD]]]      defaults: 100, 20, build/fuzz
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
games="${1:-100}"
network="${2:-20}"
build="${3:-$root/build/fuzz}"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
export LSAN_OPTIONS="suppressions=$root/tools/fuzz/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"

selfplay="$build/korvald/korvald-selfplay"
total=0
for mode in 0 1 2 3; do
    for navy in E D U J; do
        line=$("$selfplay" --games "$games" --seed $((mode * 10 + ${#navy})) --mode "$mode" --navy "$navy" | tail -1)
        echo "mode $mode navy $navy: $line"
        echo "$line" | grep -q "invariant violations 0" || { echo "soak: invariants broken" >&2; exit 1; }
        total=$((total + games))
    done
done
echo "self-play: $total games without a crash or a broken invariant"

log="$(mktemp)"
status=0
KORVALD_SOAK_GAMES="$network" "$build/tests/app_tests" --gtest_filter='NetworkSoak.*' >"$log" 2>&1 || status=$?
grep -E "^soak:|PASSED|FAILED|ERROR|runtime error" "$log" || true
[ "$status" -eq 0 ] || { echo "soak: the network soak failed (see $log)" >&2; exit 1; }

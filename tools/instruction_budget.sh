#!/usr/bin/env bash
# Holds the game's core to its speed: counts the instructions of fixed self-play runs with
# valgrind's callgrind, which counts the same on any machine, busy or not, and compares every
# count with its budget in bench/instruction_budget.txt. Fails when a count is more than 3 %
# over its budget; prints every figure beside its budget either way.
#
#   tools/instruction_budget.sh [BUILD]          check the build in BUILD (build/test by default,
#                                                the one ./test.sh makes)
#   tools/instruction_budget.sh --write [BUILD]  write the counts as the new budget
#
# A change that makes the game faster lowers the budget in the same commit, so the speed won
# stays won. The counts depend on the compiler and the build type: the budget is taken from
# the build ./test.sh makes, with the compiler the install script installs.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
write=0
if [ "${1:-}" = "--write" ]; then
    write=1
    shift
fi
build="${1:-$here/build/test}"
budget_file="$here/bench/instruction_budget.txt"
selfplay="$build/korvald/korvald-selfplay"
tolerance=3  # per cent

if ! command -v valgrind >/dev/null; then
    echo "instruction budget: valgrind is missing (tools/install-deps.sh --checks installs it)" >&2
    exit 2
fi
if [ ! -x "$selfplay" ]; then
    echo "instruction budget: no self-play program at $selfplay (build first)" >&2
    exit 2
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The runs: a name, then the self-play options. Every one is fixed by its seed.
runs=(
    "selfplay --games 20 --seed 7"
    "campaign --campaign 5 --games 2 --seed 5"
    "records --check-records $work/records"
    "admiral --games 2 --seed 5 --second admiral --worlds 4"
)

# The records the check plays again are written first, and not counted.
"$selfplay" --games 20 --seed 7 --record "$work/records" >/dev/null

# Counts one run: the instructions callgrind collected in the whole program.
count() {
    local out="$work/callgrind.out"
    valgrind --tool=callgrind --callgrind-out-file="$out" "$selfplay" "$@" \
        >"$work/stdout" 2>"$work/stderr" || {
        echo "instruction budget: the run failed: korvald-selfplay $*" >&2
        cat "$work/stdout" "$work/stderr" >&2
        return 1
    }
    sed -n 's/^==[0-9]*== Collected : \([0-9]*\)$/\1/p' "$work/stderr"
}

# The budget of a run by name, or nothing.
budget_of() {
    if [ -f "$budget_file" ]; then awk -v n="$1" '$1 == n { print $2 }' "$budget_file"; fi
}

failed=0
declare -a counted=()
for run in "${runs[@]}"; do
    name="${run%% *}"
    read -r -a args <<<"${run#* }"
    n="$(count "${args[@]}")"
    counted+=("$name $n")
    b="$(budget_of "$name")"
    if [ -z "$b" ]; then
        printf '%-9s %'"'"'15d instructions, no budget\n' "$name" "$n"
        [ $write -eq 1 ] || failed=1
        continue
    fi
    percent="$(awk -v n="$n" -v b="$b" 'BEGIN { printf "%+.1f", (n - b) * 100 / b }')"
    verdict="ok"
    if awk -v n="$n" -v b="$b" -v t="$tolerance" 'BEGIN { exit !(n > b * (1 + t / 100)) }'; then
        verdict="OVER BUDGET"
        failed=1
    fi
    printf '%-9s %'"'"'15d instructions, budget %'"'"'15d (%s %%) %s\n' "$name" "$n" "$b" \
        "$percent" "$verdict"
done

if [ $write -eq 1 ]; then
    {
        echo "# Instructions of fixed self-play runs, counted by tools/instruction_budget.sh with"
        echo "# valgrind's callgrind on the build ./test.sh makes. CI fails a count more than"
        echo "# $tolerance % over its budget; a change that wins speed lowers the budget here."
        printf '%s\n' "${counted[@]}"
    } >"$budget_file"
    echo "instruction budget: written to bench/instruction_budget.txt"
    exit 0
fi
if [ $failed -ne 0 ]; then
    echo "instruction budget: over budget by more than $tolerance % (or a run has none)" >&2
    exit 1
fi
echo "instruction budget: every run within its budget"

#!/usr/bin/env bash
# Timing loop shared by tools/time_density.sh and tools/time_fourphase.sh,
# sourced by them: each entry of `runs` ("target ms|name|answers") is fed to
# the program `exe` `repeats` times from a scratch directory; the best and the
# median wall time are printed against the run's target, and at the end the
# median of the best times over the ordinary dialogues (all but a search that
# exhausts its 10000 passes) against `median_target`. Exit status 1 when a
# target is missed or a run does not reach "End of program".

# time_program NAME [path/to/program] [repeats]: times the runs of `runs`
# with the built program NAME (default build/default/NAME).
time_program() {
    local name="$1"
    cd "$(dirname "${BASH_SOURCE[0]}")/.."
    exe="$(realpath "${2:-build/default/$name}")"
    repeats="${3:-5}"
    [ -x "$exe" ] || { echo "no $name program at $exe" >&2; exit 2; }
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    cd "$work"
    time_runs
}

time_runs() {
    status=0
    ordinary=()
    for entry in "${runs[@]}"; do
        IFS='|' read -r target name answers <<< "$entry"
        printf '%s\n' $answers > answers.txt
        times=()
        for ((i = 0; i < repeats; i++)); do
            start=$(date +%s%N)
            "$exe" < answers.txt > transcript.txt
            end=$(date +%s%N)
            times+=($(( (end - start) / 1000000 )))
            grep -q "End of program" transcript.txt || { echo "$name: did not complete" >&2; exit 1; }
        done
        sorted=($(printf '%s\n' "${times[@]}" | sort -n))
        best=${sorted[0]}
        median=${sorted[$(( repeats / 2 ))]}
        verdict="ok"
        if [ "$best" -ge "$target" ]; then verdict="over target"; status=1; fi
        grep -q "No convergence after 10000" transcript.txt || ordinary+=("$best")
        printf '%-50s best %5d ms  median %5d ms  (target %d ms: %s)\n' "$name" "$best" "$median" "$target" "$verdict"
    done
    sorted=($(printf '%s\n' "${ordinary[@]}" | sort -n))
    middle=${sorted[$(( ${#sorted[@]} / 2 ))]}
    verdict="ok"
    if [ "$middle" -ge "$median_target" ]; then verdict="over target"; status=1; fi
    printf '%-50s %5d ms  (target %d ms: %s)\n' "median of the best over ${#sorted[@]} dialogues" "$middle" "$median_target" "$verdict"
    return $status
}

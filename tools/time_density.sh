#!/usr/bin/env bash
# Wall time of complete runs of the density program on three scripted inputs:
#   1. pure CO2 given by its molar volume;
#   2. a CO2-CH4-N2 mixture given by its homogenisation temperature, with the
#      Lee & Kesler (1975) equation of state for both the non-aqueous phase
#      and the clathrate equilibria;
#   3. the same mixture with the limit check.
# Each run is repeated (default 5 times) and the best and median wall times
# are printed in milliseconds against a target of 100 ms per run.
#
# Usage: tools/time_density.sh [path/to/density] [repeats]
# (default: build/default/density, built with `cmake --build --preset default`).
set -euo pipefail
cd "$(dirname "$0")/.."
exe="$(realpath "${1:-build/default/density}")"
repeats="${2:-5}"
[ -x "$exe" ] || { echo "no density program at $exe" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# Answers in dialogue order: melting T (C), clathrate EoS, x(CO2) x(CH4) x(N2)
# x(C2H6), density source, its value, nature/mode, [EoS], salts (%), volume
# fraction, file name, [bubble/dew-point restart], continue, limit check.
names=("pure CO2 by molar volume"
       "CO2-CH4-N2 by Th, Lee & Kesler"
       "CO2-CH4-N2 by Th, Lee & Kesler, limit check")
inputs=("5 3 1 0 0 0 1 50 2 100 0 0 0 y 30 run.txt y n"
        "8 3 0.8 0.15 0.05 0 3 0 2 4 100 0 0 0 y 30 run.txt n y n"
        "8 3 0.8 0.15 0.05 0 3 0 2 4 100 0 0 0 y 30 run.txt n y y")

status=0
for k in "${!inputs[@]}"; do
    printf '%s\n' ${inputs[$k]} > answers.txt
    times=()
    for ((i = 0; i < repeats; i++)); do
        start=$(date +%s%N)
        "$exe" < answers.txt > transcript.txt
        end=$(date +%s%N)
        times+=($(( (end - start) / 1000000 )))
        grep -q "End of program" transcript.txt || { echo "run $((k + 1)) did not complete" >&2; exit 1; }
    done
    sorted=($(printf '%s\n' "${times[@]}" | sort -n))
    best=${sorted[0]}
    median=${sorted[$(( repeats / 2 ))]}
    verdict="ok"
    if [ "$best" -ge 100 ]; then verdict="over target"; status=1; fi
    printf '%-46s best %5d ms  median %5d ms  (target 100 ms: %s)\n' "${names[$k]}" "$best" "$median" "$verdict"
done
exit $status

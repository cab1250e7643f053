#!/usr/bin/env bash
# Times the inclusions program on generated tables of realistic inclusions
# (tools/inclusions_table.py: both programs, every density source, the
# equations of state, the limit check in a third of the rows): processor
# time (user + system: what one core spends, whatever else the machine
# runs), wall time, time per row and peak memory for 250, 500 and 1000 rows
# (each table the start of the next), against a target of 60 s of one core
# for 1000 rows. With --each, every row of the 1000 is also timed alone
# (processor time, program start included) and the ten slowest are listed.
#
# Usage: tools/time_inclusions.sh [--each] [path/to/inclusions]
# (default: build/default/inclusions, built with `cmake --build --preset default`).
set -euo pipefail
cd "$(dirname "$0")/.."
each=0
if [ "${1:-}" = "--each" ]; then each=1; shift; fi
exe="$(realpath "${1:-build/default/inclusions}")"
[ -x "$exe" ] || { echo "no inclusions program at $exe" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
python3 tools/inclusions_table.py 1000 > "$work/all.csv"

status=0
for rows in 250 500 1000; do
    head -n $((rows + 1)) "$work/all.csv" > "$work/table.csv"
    /usr/bin/time -f "%e %U %S %M" -o "$work/time.txt" "$exe" "$work/table.csv" -o "$work/results.csv" \
        2> "$work/summary.txt"
    read -r wall user system kilobytes < "$work/time.txt"
    seconds=$(awk -v u="$user" -v s="$system" 'BEGIN { print u + s }')
    verdict=""
    if [ "$rows" -eq 1000 ]; then
        verdict=$(awk -v s="$seconds" 'BEGIN { print (s < 60 ? "(target 60 s: ok)" : "(target 60 s: over)") }')
        case "$verdict" in *over*) status=1 ;; esac
    fi
    printf '%5d rows: cpu %7.1f s  wall %7.1f s  %6.1f ms/row  peak %5.1f MiB  %s  %s\n' "$rows" "$seconds" "$wall" \
        "$(awk -v s="$seconds" -v n="$rows" 'BEGIN { print 1000 * s / n }')" \
        "$(awk -v k="$kilobytes" 'BEGIN { print k / 1024 }')" "$(tail -n 1 "$work/summary.txt")" "$verdict"
done

if [ "$each" -eq 1 ]; then
    echo "slowest rows (each alone, program start included):"
    head -n 1 "$work/all.csv" > "$work/header.csv"
    tail -n +2 "$work/all.csv" | while IFS= read -r line; do
        { cat "$work/header.csv"; echo "$line"; } > "$work/one.csv"
        /usr/bin/time -f "%U %S" -o "$work/time.txt" "$exe" "$work/one.csv" -o "$work/one_results.csv" 2> /dev/null
        printf '%s\t%s\t%s\n' "$(awk '{ print int(1000 * ($1 + $2)) }' "$work/time.txt")" \
            "$(sed -n 2p "$work/one_results.csv" | cut -d, -f2)" "$line"
    done | sort -rn | awk -F'\t' 'NR <= 10 { printf "%8d ms  %-45s %s\n", $1, $2, $3 }'
fi
exit $status

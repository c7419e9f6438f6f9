#!/bin/sh
# Makes a map of many turns from one report, for measuring how the program scales: the report
# is added once per month with its date line rewritten (January, Year 1 onwards).
# Usage: tools/make_long_game.sh CLI REPORT TURNS OUT.atl
set -e
cli=$1 report=$2 turns=$3 out=$4
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
set -- January February March April May June July August September October November December
rm -f "$out"
i=0
while [ "$i" -lt "$turns" ]; do
    month=$(( i % 12 + 1 )) year=$(( i / 12 + 1 ))
    eval name=\${$month}
    sed "3s/.*/$name, Year $year/" "$report" >"$tmp/turn$i.rep"
    i=$(( i + 1 ))
done
"$cli" add "$out" "$tmp"/turn*.rep >/dev/null

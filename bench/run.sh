#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 ratebook developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs ratebook's benchmarks from a build made with -DRATEBOOK_BENCH=ON and prints one
# table, each figure beside its goal. QtTest benchmarks run offscreen, each repeated
# MEDIAN times; start-up runs whole processes under Xvfb, STARTS times each, ratebook
# and the bare Qt program taking turns. Exits non-zero if a benchmark's own check fails.
# usage: bench/run.sh [build-dir]
set -euo pipefail
build=${1:-build-bench}
median=${MEDIAN:-9}
starts=${STARTS:-31}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work XDG_DATA_HOME=$work LC_ALL=C # recovery copies kept out of the user's folder
failed=0

# Writes <name>.csv (function,tag,metric,ms per iteration,...) and <name>.txt, the log.
qtbench() {
    echo "running $1 ..." >&2
    QT_QPA_PLATFORM=offscreen "$build/${2:-}$1" -median "$median" \
        -o "$work/$1.csv,csv" -o "$work/$1.txt,txt" >/dev/null 2>&1 || failed=1
}
qtbench bench_core bench/
qtbench bench_windows # beside ratebook, where its modules are

echo "running start-up, $starts times each ..." >&2
# -noreset: the server would otherwise reset, and refuse connections, between runs.
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" bash -c '
    for _ in $(seq "$2"); do
        echo "ratebook $("$1/bench/startwatch" 200 "The Estimate Builder" "$1/ratebook")"
        echo "bare $("$1/bench/startwatch" 200 "Bare Qt" "$1/bench/bare")"
    done' _ "$build" "$starts" >"$work/starts.txt" 2>"$work/starts.err" || failed=1

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# One benchmark's milliseconds per iteration, times `scale`: its function and data tag in the CSV.
qtfigure() { awk -F, -v f="\"$2\"" -v t="\"$3\"" -v s="$4" '$1 == f && $2 == t { print $4 * s }' "$work/$1.csv"; }
startfigure() { awk -v p="$1" -v c="$2" '$1 == p { print $c }' "$work/starts.txt" | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a && b) print a / b }'; }

rstart=$(startfigure ratebook 2); bstart=$(startfigure bare 2)
rmem=$(startfigure ratebook 3); bmem=$(startfigure bare 3)
built=$(sed -n 's/.*built at start: //p' "$work/bench_windows.txt")
us=1000 # ms to µs

# measure | figure | unit | goal: an upper bound, or none
{
    echo "keystroke in an open quantity box, to the rebuilt material table|$(qtfigure bench_windows keystrokeToMaterialTable '' $us)|µs|50"
    echo "keystroke in an open quantity box with the abstract open, to both tables rebuilt|$(qtfigure bench_windows keystrokeToAbstract '' $us)|µs|100"
    echo "\"&Unit Cost\" click with nine costs filled, to the ten rebuilt rows|$(qtfigure bench_windows unitCostClick '' $us)|µs|100"
    echo "unit-rate analysis (analyseUnitRates)|$(qtfigure bench_core unitRateAnalysis '' $us)|µs|2"
    echo "unit-rate analysis and its ten formatted rows (rateTableRows)|$(qtfigure bench_core rateTableRows '' $us)|µs|2"
    echo "material computation (materialTotals)|$(qtfigure bench_core materialTotals '' $us)|µs|2"
    echo "material computation and its formatted rows (materialTableRows)|$(qtfigure bench_core materialTableRows '' $us)|µs|2"
    echo "formatter, one cell (formatNumber)|$(qtfigure bench_core formatNumber '' $us)|µs|2"
    echo "rate analysis statement written as PDF (Ctrl+Shift+E)|$(qtfigure bench_windows exportStatement pdf 1)|ms|100"
    echo "rate analysis written as a workbook (Ctrl+E)|$(qtfigure bench_windows exportStatement workbook 1)|ms|50"
    echo "abstract of estimate written as PDF (Ctrl+Shift+E)|$(qtfigure bench_windows exportStatement 'abstract pdf' 1)|ms|100"
    echo "abstract of estimate written as a workbook (Ctrl+E)|$(qtfigure bench_windows exportStatement 'abstract workbook' 1)|ms|50"
    echo "open an estimate (Ctrl+O), to the extractor and the abstract worked out|$(qtfigure bench_windows openAndSaveFile 'open an estimate' 1)|ms|5"
    echo "open an estimate of 100 items of one's own and 5,000 measurement lines (Ctrl+O), to the extractor, abstract and sheet shown|$(qtfigure bench_windows openLargeEstimate '' 1)|ms|100"
    echo "keystroke in a factor of a measurement line there, to the sheet, the material table and the abstract rebuilt|$(qtfigure bench_windows keystrokeInMeasurement '' 1)|ms|2"
    echo "its details of measurement written as PDF (Ctrl+Shift+E)|$(qtfigure bench_windows exportStatement 'sheet pdf' 0.001)|s|3"
    echo "its details of measurement written as a workbook (Ctrl+E)|$(qtfigure bench_windows exportStatement 'sheet workbook' 0.001)|s|1"
    echo "that keystroke with the labour statement open, to every table rebuilt|$(qtfigure bench_windows keystrokeInMeasurement 'labour open' 1)|ms|2"
    echo "that estimate whole, written as one PDF (Ctrl+Shift+D)|$(qtfigure bench_windows exportStatement 'estimate pdf' 0.001)|s|4"
    echo "that estimate whole, written as one workbook (Ctrl+Shift+X)|$(qtfigure bench_windows exportStatement 'estimate workbook' 0.001)|s|1.5"
    echo "its recovery copy, on the keyboard's thread: the contents taken once the keys pause|$(qtfigure bench_windows recoveryCopyContents '' 1)|ms|5"
    echo "open a costs file (Ctrl+O), to the rates worked out|$(qtfigure bench_windows openAndSaveFile 'open costs' 1)|ms|2"
    echo "open a quantities file (Ctrl+O), to the materials worked out|$(qtfigure bench_windows openAndSaveFile 'open quantities' 1)|ms|2"
    echo "save a costs file (Ctrl+S), in memory (/dev/shm)|$(qtfigure bench_windows openAndSaveFile 'save costs' 1)|ms|2"
    echo "save a quantities file (Ctrl+S), in memory (/dev/shm)|$(qtfigure bench_windows openAndSaveFile 'save quantities' 1)|ms|2"
    echo "save a costs file (Ctrl+S) to disk, its sync included|$(qtfigure bench_windows openAndSaveFile 'save costs to disk' 1)|ms|2"
    echo "open and close the data sheet through the main window|$(qtfigure bench_windows openAndClose 'data sheet' 1)|ms|"
    echo "open and close the extractor through the main window|$(qtfigure bench_windows openAndClose extractor 1)|ms|"
    echo "start-up to the main window shown, ratebook / bare Qt ($(awk -v v="$rstart" 'BEGIN { printf "%.1f", v / 1000 }') / $(awk -v v="$bstart" 'BEGIN { printf "%.1f", v / 1000 }') ms)|$(ratio "$rstart" "$bstart")|×|1.1"
    echo "peak resident memory, ratebook / bare Qt ($(awk -v v="$rmem" 'BEGIN { printf "%.1f", v / 1024 }') / $(awk -v v="$bmem" 'BEGIN { printf "%.1f", v / 1024 }') MiB)|$(ratio "$rmem" "$bmem")|×|1.1"
} | awk -F'|' '
    function shown(v) { return sprintf(v >= 100 ? "%.0f" : v >= 10 ? "%.1f" : "%.2f", v) }
    BEGIN { print "| measure | median | goal | met |"; print "|---|---:|---:|---|" }
    {
        figure = $2 == "" ? "failed" : shown($2) " " $3
        goal = $4 == "" ? "none" : "≤ " $4 " " $3
        met = $2 == "" ? "**no**" : $4 == "" ? "" : $2 + 0 <= $4 + 0 ? "yes" : "**no**"
        printf "| %s | %s | %s | %s |\n", $1, figure, goal, met
    }'
echo "| windows built before the first is asked for | ${built:-failed} | Form1 only | $([ "$built" = Form1 ] && echo yes || echo '**no**') |"
echo
echo "$(nproc) cores, Qt $(qtpaths6 --qt-version 2>/dev/null || echo 6), QtTest walltime, median of $median runs; start-up median of $starts runs each under Xvfb."

if [ "$failed" -ne 0 ]; then
    grep -h -E '^(FAIL|QFATAL)|Loc:' "$work"/*.txt "$work/starts.err" >&2 || cat "$work/starts.err" >&2
    exit 1
fi

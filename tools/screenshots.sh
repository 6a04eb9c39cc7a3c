#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 ratebook developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Captures the windows into docs/ for the README, the first page of the statements of the
# abstract and of the details of measurement, and the face sheet of a whole estimate: runs ratebook under a virtual X server with a small window manager (for the
# title bars), drives it with xdotool. Needs the Debian packages xvfb, xauth, openbox,
# xdotool, imagemagick and poppler-utils.
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/ratebook}

if [ -z "${INSIDE_XVFB:-}" ]; then
    INSIDE_XVFB=1 exec xvfb-run -a -s "-screen 0 1600x1024x24" "$0" "$@"
fi

openbox >/dev/null 2>&1 &
sleep 1
"$binary" &
ratebook=$!
trap 'kill $ratebook 2>/dev/null || true' EXIT

# Waits for a window by its title, gives it the focus and captures it with its frame.
shoot() {
    local id
    id=$(xdotool search --sync --name "^$1\$" | head -n 1)
    xdotool windowactivate --sync "$id"
    sleep 0.7
    [ -z "${2:-}" ] || import -frame -window "$id" "docs/$2"
}
keys() { for k in "$@"; do xdotool key --delay 20 "$k"; done; }

shoot "The Estimate Builder" main.png
keys alt+d
shoot "Rate Book"
keys 2 5 0 Return 1 2 0 0 Return 1 0 0 0 Return 5 0 0 Return 3 Return 3 0 0 Return 2 5 0 Return 1 5 0 Return 1 2 0 Return alt+u; sleep 0.5
shoot "Rate Book" datasheet.png
keys F2
shoot "The Estimate Builder"
keys alt+m
shoot "Material Extractor"
# "Enable All" leaves the focus in item 12's box; Tab walks down to item 1. Items 1, 3, 5
# and 9 at 10, 5, 20 and 100.
keys alt+e; sleep 0.5
keys Tab Tab Tab ctrl+a 1 0 0 Tab Tab Tab Tab ctrl+a 2 0 Tab Tab ctrl+a 5 Tab Tab ctrl+a 1 0
shoot "Material Extractor" extractor.png
keys F3
sleep 0.5

# The sample estimate: the extractor with the abstract beside it, then the abstract's
# statement, its details as the file keeps them.
work=$(mktemp -d)
"$binary" docs/samples/estimate.ratebook &
ratebook=$!
trap 'kill $ratebook 2>/dev/null || true; rm -rf "$work"' EXIT
shoot "Abstract of Estimate" abstract.png
keys ctrl+shift+e; sleep 0.7
keys Return; sleep 0.7
xdotool type --delay 20 "$work/abstract.pdf"
keys Return; sleep 1
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$work/abstract.pdf" docs/statement-abstract
kill $ratebook 2>/dev/null || true
sleep 0.5

# The one-room building: its details of measurement, then their statement.
"$binary" docs/samples/one-room-building.ratebook &
ratebook=$!
shoot "Details of Measurement" measurement.png
keys ctrl+shift+e; sleep 0.7
keys Return; sleep 0.7
xdotool type --delay 20 "$work/measurement.pdf"
keys Return; sleep 1
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$work/measurement.pdf" docs/statement-measurement

# Its labour statement, and the face sheet of the whole estimate as one document.
shoot "Abstract of Estimate"
keys ctrl+l
shoot "Labour Statement" labour.png
shoot "Abstract of Estimate"
keys ctrl+shift+d; sleep 0.7
xdotool type --delay 20 "$work/estimate.pdf"
keys Return; sleep 1.5
pdftoppm -png -r 80 -f 1 -l 1 -singlefile "$work/estimate.pdf" docs/statement-face

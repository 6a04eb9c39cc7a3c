#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 ratebook developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a test program on a virtual X server of its own, with openbox as the window manager,
# on the xcb platform; stops both afterwards. Exits 77 (skipped) when a tool is missing.
# usage: tests/xsession.sh program [arguments...]
set -uo pipefail
for tool in Xvfb openbox xdotool; do
    if ! command -v "$tool" >/dev/null; then
        echo "xsession.sh: $tool is missing (tools/install-deps.sh installs it)" >&2
        exit 77
    fi
done
work=$(mktemp -d)
pids=()
stop() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait
    rm -rf "$work"
}
trap stop EXIT

# Waits up to ten seconds for a file to appear (and not be empty), else shows the log.
await() {
    for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.1; done
    echo "xsession.sh: $2 did not start" >&2
    cat "$work/$2.log" >&2
    exit 1
}

# Xvfb finds a free display itself and writes its number once it takes clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/Xvfb.log" 2>&1 &
pids+=($!)
await "$work/display" Xvfb
export DISPLAY=":$(cat "$work/display")"
# No session bus either: Qt would reach for one (and libdbus autolaunch one for the display),
# and libdbus's read buffer is still held at exit, which the sanitized build counts a leak.
export DBUS_SESSION_BUS_ADDRESS=disabled:
# openbox runs its startup command once it manages the screen.
openbox --startup "sh -c 'echo up >$work/wm'" >"$work/openbox.log" 2>&1 &
pids+=($!)
await "$work/wm" openbox

QT_QPA_PLATFORM=xcb "$@"

#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 ratebook developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building and testing ratebook need, when missing,
# and any named as arguments. Runs apt-get only if something is missing, through sudo
# when not root.
set -euo pipefail

packages=(
    make cmake g++          # the build
    qt6-base-dev            # Qt 6 Widgets, Print Support and QtTest
    libxlsxwriter-dev pkg-config # the spreadsheet export writes .xlsx through it
    poppler-utils           # the tests read exported statements back with pdftotext
    unzip                   # and the exported workbook's sheets with unzip
    zip libreoffice-calc-nogui # a workbook stripped of its kept values, worked out afresh by
                            # a spreadsheet program, shows that its formulas give the figures
    fonts-liberation        # Arial metrics, so captions measure as laid out
    locales                 # a comma-decimal locale for the locale test
    desktop-file-utils      # validates the desktop entry
    appstream               # validates the AppStream metainfo
    dpkg-dev file           # dpkg-shlibdeps, which works out the .deb's dependencies
    lintian                 # Debian's checker, run on the .deb
    man-db groff-base       # shows the manual page and reports its warnings
    reuse                   # checks every file states its copyright and licence
    clang libclang-rt-14-dev # libFuzzer and the sanitizers' runtime for the fuzz targets
    xvfb openbox            # a virtual X server and a window manager for the real-keyboard test
    xdotool                 # sends that test's keys through the X server (XTest)
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null | grep -qx installed || missing+=("$p")
done

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The tests check that a comma-decimal locale does not change how numbers read.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    "${sudo[@]}" sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    "${sudo[@]}" locale-gen >/dev/null
fi

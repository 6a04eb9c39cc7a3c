#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 ratebook developers
# SPDX-License-Identifier: GPL-3.0-or-later
# check-deb.sh CPACK CONFIG FOLDER MODULEDIR: builds the .deb with cpack and the CPack
# configuration into FOLDER, apart from the one `make package` makes, and unpacks it. It
# must install exactly the program, its two modules (printing and the workbook writer, in
# MODULEDIR), its desktop entry, metainfo, MIME type and icons (each PNG of the size its folder
# says), its documents (the manual page and changelog, each the compressed copy of its
# source) and lintian overrides, and depend on the libraries dpkg-shlibdeps found the
# program and modules use.
set -euo pipefail
rm -rf "$3"
"$1" -G DEB --config "$2" -B "$3"
debs=("$3"/ratebook_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "expected one ratebook .deb in $3"; exit 1; }
deb=${debs[0]}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
failed=0
fail() { echo "$*"; failed=1; }

expected=(
    usr/bin/ratebook
    "usr/$4/libratebook_printing.so"
    "usr/$4/libratebook_workbook.so"
    usr/share/applications/ratebook.desktop
    usr/share/metainfo/io.github.ratebook.ratebook.metainfo.xml
    usr/share/mime/packages/ratebook.xml
    usr/share/icons/hicolor/scalable/apps/ratebook.svg
    usr/share/doc/ratebook/copyright
    usr/share/doc/ratebook/changelog.gz
    usr/share/man/man1/ratebook.1.gz
    usr/share/lintian/overrides/ratebook
)
source=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
for pair in usr/share/doc/ratebook/changelog.gz:CHANGELOG.md usr/share/man/man1/ratebook.1.gz:packaging/ratebook.1; do
    zcat "$root/${pair%%:*}" 2>/dev/null | cmp -s - "$source/${pair#*:}" || fail "/${pair%%:*} is not ${pair#*:}"
done
for size in 16 24 32 48 64 96; do
    expected+=("usr/share/icons/hicolor/${size}x$size/apps/ratebook.png")
    file -b "$root/${expected[-1]}" 2>/dev/null | grep -q "PNG image data, $size x $size," ||
        fail "not a ${size}px PNG: /${expected[-1]}"
done
found=$(cd "$root" && find . -type f -printf '%P\n' | sort)
[ "$found" = "$(printf '%s\n' "${expected[@]}" | sort)" ] || fail "files: $(echo $found)"
[ -x "$root/usr/bin/ratebook" ] || fail "/usr/bin/ratebook is not executable"

[ "$(dpkg-deb -f "$deb" Package)" = ratebook ] || fail "package name: $(dpkg-deb -f "$deb" Package)"
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/ //g')
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libxlsxwriter4 qt6-qpa-plugins libc6 libstdc++6; do
    grep -qxF "$package" <<<"$names" || fail "Depends lacks $package: $depends"
done
[ $failed -eq 0 ] && echo "$(basename "$deb"): $(echo $found | wc -w) files; Depends: $depends"
exit $failed

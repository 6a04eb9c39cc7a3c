#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 ratebook developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# annotate-licence.sh [FILE...]: puts the two SPDX lines at the top of every tracked file
# (or of the FILEs named) that has none yet, in the file's own comment syntax, after a
# shebang or an XML declaration. Files .reuse/dep5 covers, and the licence texts, are left
# alone; a file of a kind this script does not know stops it, so nothing goes unlicensed
# quietly. Run it from anywhere in the repository, then `reuse lint`.
set -euo pipefail
cd "$(git rev-parse --show-toplevel)"

# The tags below are what this script writes, not this file's own: reuse skips them.
# REUSE-IgnoreStart
copyright='SPDX-FileCopyrightText: 2026 ratebook developers'

# The Files: patterns of .reuse/dep5, one a line. In a DEP-5 pattern * crosses folders,
# as it does in bash's [[ == ]].
mapfile -t covered < <(awk '/^Files:/ { f = 1; sub(/^Files:/, ""); print; next }
                            /^[^ ]/  { f = 0 }
                            f        { print }' .reuse/dep5 | tr -s ' \t' '\n\n' | sed '/^$/d')

is_covered() {
    local p
    for p in "${covered[@]}"; do
        # shellcheck disable=SC2053 # the pattern is meant to match as a pattern
        [[ $1 == $p ]] && return 0
    done
    return 1
}

# AppStream wants its metadata under a permissive licence (metadata_license in the file).
licence_of() {
    case $1 in
        *.metainfo.xml) echo CC0-1.0 ;;
        *)              echo GPL-3.0-or-later ;;
    esac
}

# Prints the two lines in FILE's comment syntax, or fails for a kind of file not known.
header_for() {
    local name=${1##*/} lines
    lines=("$copyright" "SPDX-License-Identifier: $(licence_of "$1")")
    case $name in
        *.cpp | *.h | *.rc.in) printf '// %s\n' "${lines[@]}" ;;
        CMakeLists.txt | *.cmake | *.sh | Makefile | .gitignore | *.desktop | *.conf | \
        *.py | *lintian-overrides)
                               printf '# %s\n' "${lines[@]}" ;;
        *.xml | *.md | *.svg)  printf '<!-- %s -->\n' "${lines[@]}" ;;
        *.[1-8])               printf '.\\" %s\n' "${lines[@]}" ;;
        *)  # a script without an extension says what it is on its first line
            if head -n1 "$1" | grep -q '^#!.*\b\(ba\)\?sh\b'; then
                printf '# %s\n' "${lines[@]}"
            else
                return 1
            fi ;;
    esac
}

if [ $# -gt 0 ]; then files=("$@"); else mapfile -t files < <(git ls-files); fi

unknown=()
for f in "${files[@]}"; do
    case $f in LICENSE | LICENSES/* | .reuse/*) continue ;; esac
    is_covered "$f" && continue
    head -n 5 "$f" | grep -q 'SPDX-License-Identifier:' && continue
    if ! header=$(header_for "$f"); then unknown+=("$f"); continue; fi
    # A shebang or an XML declaration must stay the first line.
    if head -n1 "$f" | grep -q '^\(#!\|<?xml\)'; then keep=1; else keep=0; fi
    { head -n "$keep" "$f"; printf '%s\n' "$header"; tail -n "+$((keep + 1))" "$f"; } >"$f.spdx-new"
    chmod --reference="$f" "$f.spdx-new"
    mv "$f.spdx-new" "$f"
    echo "annotated $f"
done
# REUSE-IgnoreEnd

if [ ${#unknown[@]} -gt 0 ]; then
    printf 'no comment syntax known for: %s\n' "${unknown[*]}" >&2
    exit 1
fi

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual page describes every option that quon-pse-cli's --help, elements --help and
# calc --help name, and --help itself: each heads a tagged paragraph (.TP) in the page's part for
# that command, so that the page cannot fall behind the program again.
# Usage: tests/cli/man-page.sh QUON-PSE-CLI MANUAL-PAGE
set -euo pipefail
cli=${1:?usage: man-page.sh QUON-PSE-CLI MANUAL-PAGE}
page=${2:?usage: man-page.sh QUON-PSE-CLI MANUAL-PAGE}
status=0
# roff writes a minus as "\-".
plain=$(sed 's/\\-/-/g' "$page")

# check PART [COMMAND]: PART is the .SS heading of the command's part, empty for the whole page.
check() {
    local part=$1 text=$plain help option
    shift
    if [ -n "$part" ]; then
        text=$(awk -v heading=".SS $part" '$0 == heading {on = 1; next} /^\.S[HS] / {on = 0} on' \
            <<<"$plain")
    fi
    help=$("$cli" "$@" --help)
    for option in --help $(grep -o -- '--[a-z][a-z0-9-]*' <<<"$help" | sort -u); do
        awk 'previous == ".TP" {print} {previous = $0}' <<<"$text" |
            grep -qE -- "(^|[^a-z-])$option([^a-z0-9-]|\$)" && continue
        echo "!! '${*:-quon-pse-cli} --help' names $option; the manual's part '${part:-all}'" \
            "does not describe it" >&2
        status=1
    done
}

check ''
check elements elements
check calc calc
exit $status

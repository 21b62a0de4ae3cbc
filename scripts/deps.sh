#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, from Debian's archive, whichever of the named packages are not installed yet, and with
# --locale NAME makes sure that locale exists (generating it from the locales package if not).
# Usage: scripts/deps.sh [--locale NAME] PACKAGE...
# Root does it directly, a user who may use sudo through sudo; anyone else is told the one command
# to ask an administrator for.
set -euo pipefail

locale_name=
if [ "${1:-}" = --locale ]; then
    locale_name=$2
    shift 2
fi

missing=()
for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done
need_locale=
if [ -n "$locale_name" ]; then
    # locale -a writes "hr_HR.utf8" for "hr_HR.UTF-8".
    wanted=$(printf '%s' "$locale_name" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
    locale -a 2>/dev/null | tr 'A-Z' 'a-z' | grep -qx "$wanted" || need_locale=1
fi
[ ${#missing[@]} -eq 0 ] && [ -z "$need_locale" ] && exit 0

# The one command that does all of it as root.
commands=()
[ ${#missing[@]} -gt 0 ] && commands+=("apt-get install -y ${missing[*]}")
if [ -n "$need_locale" ]; then
    commands+=("localedef -i ${locale_name%%.*} -f UTF-8 $locale_name")
fi
root_command=$(printf '%s && ' "${commands[@]}")
root_command=${root_command% && }

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 &&
        { sudo -n true 2>/dev/null || id -nG | tr ' ' '\n' | grep -qxE 'sudo|admin|wheel'; }; then
        as_root=(sudo)
    else
        {
            echo "This needs software that is not installed yet, and installing it needs root."
            echo "Ask an administrator to run, as root:"
            echo
            echo "    $root_command"
            echo
            echo "and then run this command again."
        } >&2
        exit 1
    fi
fi

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
if [ -n "$need_locale" ]; then
    echo "Generating the locale $locale_name"
    "${as_root[@]}" localedef -i "${locale_name%%.*}" -f UTF-8 "$locale_name"
fi

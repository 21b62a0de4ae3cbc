#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks a built quon-pse package: it lists its files and fails when one the program needs is
# missing, when a file is not owned by root or a program is not stripped, or when the desktop entry
# or the AppStream metadata fail their validators. With --lint it also runs lintian and fails on any
# error it reports (the overrides the package carries say why each of them is there).
# Usage: packaging/check-package.sh [--lint] PACKAGE.deb
# Needs dpkg-deb, file, desktop-file-validate (desktop-file-utils) and appstreamcli (appstream);
# lintian for --lint.
set -euo pipefail

lint=
if [ "${1:-}" = --lint ]; then
    lint=1
    shift
fi
deb=${1:?usage: packaging/check-package.sh [--lint] PACKAGE.deb}

listing=$(dpkg-deb -c "$deb")
echo "$listing"

status=0
fail() {
    echo "!! $*" >&2
    status=1
}

paths=$(awk '{print $6}' <<<"$listing")
for file in usr/bin/quon-pse usr/bin/quon-pse-cli \
    usr/share/quon-pse/Help.txt usr/share/quon-pse/Pomoc.txt usr/share/quon-pse/quon-pse.html \
    usr/share/applications/quon-pse.desktop usr/share/icons/hicolor/scalable/apps/quon-pse.svg \
    usr/share/metainfo/quon-pse.metainfo.xml usr/share/doc/quon-pse/copyright \
    usr/share/doc/quon-pse/README.md usr/share/doc/quon-pse/Help.txt \
    usr/share/doc/quon-pse/Pomoc.txt usr/share/doc/quon-pse/changelog.gz \
    usr/share/man/man1/quon-pse.1.gz usr/share/man/man1/quon-pse-cli.1.gz; do
    grep -qxF "./$file" <<<"$paths" || fail "missing from the package: /$file"
done
not_root=$(awk '$2 != "root/root" {print $6}' <<<"$listing")
[ -z "$not_root" ] || fail "not owned by root: $not_root"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
for program in quon-pse quon-pse-cli; do
    if [ -f "$tree/usr/bin/$program" ]; then
        file -b "$tree/usr/bin/$program" | grep -q ', stripped' || fail "/usr/bin/$program is not stripped"
    fi
done

echo "== desktop-file-validate"
desktop-file-validate "$tree/usr/share/applications/quon-pse.desktop" || fail "the desktop entry is not valid"
echo "== appstreamcli validate"
# The component id is the program's name rather than a reversed domain the project does not own;
# the validator warns about that, which is why that one tag counts as information here.
appstreamcli validate --no-net --override=cid-desktopapp-is-not-rdns=info \
    "$tree/usr/share/metainfo/quon-pse.metainfo.xml" || fail "the AppStream metadata are not valid"

if [ -n "$lint" ]; then
    echo "== lintian"
    report=$(lintian --fail-on none --display-info "$deb" 2>&1)
    echo "$report"
    ! grep -q '^E: ' <<<"$report" || fail "lintian reports errors"
fi

exit $status

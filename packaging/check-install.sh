#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that exactly the
# expected files land there and that the desktop files validate.
#   check-install.sh BUILD_DIR EXPECTED_LIST
set -euo pipefail
build="$1"
expected="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
actual="$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)"
if ! diff <(grep -v '^#' "$expected" | sort) <(echo "$actual"); then
    echo "installed files differ from $expected (< expected, > installed)" >&2
    exit 1
fi

status=0
if [ -n "${DESKTOP_FILE_VALIDATE:-}" ]; then
    for f in "$prefix"/share/applications/*.desktop; do
        "$DESKTOP_FILE_VALIDATE" "$f" || status=1
    done
else
    echo "desktop-file-validate not found" >&2; status=1
fi
if [ -n "${APPSTREAMCLI:-}" ]; then
    for f in "$prefix"/share/metainfo/*.metainfo.xml; do
        "$APPSTREAMCLI" validate --no-net "$f" >/dev/null || { "$APPSTREAMCLI" validate --no-net "$f"; status=1; }
    done
else
    echo "appstreamcli not found" >&2; status=1
fi
[ $status -eq 0 ] && echo "$(echo "$actual" | wc -l) files installed, all as expected"
exit $status

#!/bin/sh
# The AppStream metadata passes appstreamcli validate, offline, without a single error, warning,
# hint or pedantic remark.
#     metainfo.sh <file.metainfo.xml>
set -eu
if ! command -v appstreamcli >/dev/null 2>&1; then
    echo "SKIPPED: appstreamcli is missing (Debian package appstream)"
    exit 77
fi
report=$(appstreamcli validate --no-net --pedantic "$1" 2>&1) || status=$?
if [ "${status:-0}" -ne 0 ] || printf '%s\n' "$report" | grep -q '^[EWIP]: '; then
    printf '%s\n' "$report"
    echo "FAIL: $1 does not validate cleanly"
    exit 1
fi

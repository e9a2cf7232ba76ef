#!/bin/sh
# The desktop entry passes desktop-file-validate without a single error, warning or hint.
#     desktop_entry.sh <file.desktop>
set -eu
if ! command -v desktop-file-validate >/dev/null 2>&1; then
    echo "SKIPPED: desktop-file-validate is missing (Debian package desktop-file-utils)"
    exit 77
fi
report=$(desktop-file-validate "$1" 2>&1) || status=$?
if [ "${status:-0}" -ne 0 ] || [ -n "$report" ]; then
    printf '%s\n' "$report"
    echo "FAIL: $1 does not validate cleanly"
    exit 1
fi

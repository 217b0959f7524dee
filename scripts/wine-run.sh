#!/usr/bin/env bash
# Runs one Windows test program under wine64 in the environment the test script prepared.
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
    echo "wine-run.sh: run the Windows tests through scripts/test.sh (needs WINEPREFIX and DISPLAY)" >&2
    exit 2
fi
exec /usr/lib/wine/wine64 "$@"

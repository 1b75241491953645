#!/usr/bin/env bash
# Runs a Windows program in the build tree's Wine session: wine-run.sh SESSION_DIR PROGRAM ARGS...
set -euo pipefail
session=$1; shift
[ -f "$session/env" ] || { echo "no Wine session in $session (run the wine_session_start test)" >&2; exit 1; }
# shellcheck disable=SC1091
. "$session/env"
exec "$WINELOADER" "$@"

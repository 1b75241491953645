#!/usr/bin/env bash
# Counts the requests each program's main thread makes to the Wine server in one start: from the
# process's first request until the start-up benchmark has seen its first paint and closed it.
# Under Wine nearly every window, paint and cursor call is such a round trip, so the count tells
# what a change saved without the timing noise of a shared machine.
#
# Usage: server_requests.sh SESSION_DIR BENCH_STARTUP_EXE EXE CLASS [EXE CLASS ...]
# (paths as the benchmark takes them, e.g. Z:/work/main/build/win64/src/app/Tessaloom.exe).
# The session's Wine server is restarted with its request trace on, and stops once idle.
set -euo pipefail
[ $# -ge 4 ] || { echo "usage: $0 SESSION_DIR BENCH_STARTUP_EXE EXE CLASS [EXE CLASS ...]" >&2; exit 2; }
session=$1; bench=$2; shift 2
# shellcheck disable=SC1091
. "$session/env"
trace=$(mktemp)
trap 'rm -f "$trace"' EXIT

"$WINESERVER" -k 2>/dev/null || true
"$WINESERVER" -w 2>/dev/null || true
# The server inherits the first client's error stream and writes its trace there.
WINEDEBUG=+server "$WINELOADER" "$bench" 1 "$@" >/dev/null 2>"$trace"
"$WINESERVER" -w

# The programs measured, by file name (the benchmark starts copies of them under the same names).
names=""
for ((i = 1; i <= $#; i += 2)); do names+="${!i##*[/\\]} "; done

# new_process names the image and its reply the process; the process's init_first_thread reply
# names its first thread. Every later "TID: request(" line of that thread is one request.
awk -v names="$names" '
  BEGIN { n = split(names, list, " "); for (i = 1; i <= n; i++) measured[tolower(list[i])] = 1 }
  / new_process\( / {
    if (match($0, /imagepath=L"[^"]*"/)) {
      image = substr($0, RSTART + 12, RLENGTH - 13); sub(/.*\\/, "", image)
      asking[$1] = image
    }
    next
  }
  / new_process\(\) = 0/ && ($1 in asking) {
    match($0, /pid=[0-9a-f]+/); imageOf[substr($0, RSTART + 4, RLENGTH - 4)] = asking[$1]
    delete asking[$1]; next
  }
  / init_first_thread\(\) = 0/ {
    match($0, /pid=[0-9a-f]+/); pid = substr($0, RSTART + 4, RLENGTH - 4)
    if ((pid in imageOf) && (tolower(imageOf[pid]) in measured)) { thread = $1; exeOf[thread] = imageOf[pid]; order[++starts] = thread }
    next
  }
  ($1 in exeOf) && / [a-z_]+\( / && !/\) = / { count[$1]++ }
  END {
    # Each program starts twice (the benchmark warms up first): the second start is reported.
    for (i = 1; i <= starts; i++) last[exeOf[order[i]]] = order[i]
    for (i = 1; i <= starts; i++) {
      thread = order[i]
      if (last[exeOf[thread]] == thread) printf "%-34s %6d\n", exeOf[thread], count[thread]
    }
  }' "$trace"

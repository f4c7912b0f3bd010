#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Start-up time of both programs as a user meets it: from the command to the first
# window shown, under Xvfb. Usage: cold_start.sh <application folder> [rounds]
# As root the page cache is dropped before each round, so that every start is cold;
# otherwise the first round is the cold one and the others are warm.
set -euo pipefail
app=$(cd "${1:?application folder}" && pwd)
rounds=${2:-5}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$app" "$rounds"
fi
command -v xdotool >/dev/null || { echo "xdotool is needed" >&2; exit 1; }

drop_caches() {
  sync
  { echo 3 > /proc/sys/vm/drop_caches; } 2>/dev/null && echo cold || echo warm
}

measure() {  # program, window title
  local program=$1 title=$2 times=()
  for ((i = 1; i <= rounds; i++)); do
    local state; state=$(drop_caches)
    local start; start=$(date +%s%N)
    (cd / && exec "$app/$program") >/dev/null 2>&1 &
    local pid=$!
    timeout 30 xdotool search --sync --onlyvisible --name "^${title}\$" >/dev/null
    local end; end=$(date +%s%N)
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    local ms=$(( (end - start) / 1000000 ))
    times+=("$ms")
    echo "$program round $i ($state): $ms ms"
  done
  printf '%s\n' "${times[@]}" | sort -n | awk -v p="$program" '{a[NR]=$1} END {print p " median: " a[int((NR+1)/2)] " ms"}'
}

measure Vobrel "Vobrel"
measure Ortavi "Setup Immagini"

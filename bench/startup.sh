#!/usr/bin/env bash
# How long Velmora takes from its start until its main window is mapped, on a private Xvfb
# screen: RUNS starts (20 unless given), each timed until the window named "Velmora" is
# viewable and then ended. Prints the minimum, median and maximum in milliseconds.
#
#   bench/startup.sh [VELMORA [RUNS]]      (VELMORA defaults to build/app/Velmora)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
velmora=$(readlink -f "${1:-$root/build/app/Velmora}")
runs=${2:-20}
[ -x "$velmora" ] || { echo "startup.sh: no executable at $velmora; build first" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ] || [ -z "${VELMORA_BENCH_SCREEN:-}" ]; then
  VELMORA_BENCH_SCREEN=1 exec "$root/tests/gui/with_xvfb.sh" "$0" "$velmora" "$runs"
fi
command -v xdotool >/dev/null || { echo "startup.sh: xdotool is missing" >&2; exit 1; }

now_us() { local t; t=$(date +%s%N); echo $((t / 1000)); }

times=()
for ((run = 0; run < runs; run++)); do
  start=$(now_us)
  "$velmora" &
  pid=$!
  deadline=$((SECONDS + 10))
  until xdotool search --onlyvisible --name '^Velmora$' >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || { kill "$pid"; echo "startup.sh: no window within 10 s" >&2; exit 1; }
  done
  end=$(now_us)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  times+=($(((end - start + 500) / 1000)))
done

sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "Velmora start-up until the main window is mapped, $runs runs on Xvfb:"
echo "  min ${sorted[0]} ms, median ${sorted[$((runs / 2))]} ms, max ${sorted[$((runs - 1))]} ms"

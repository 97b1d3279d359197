#!/usr/bin/env bash
# The panel's CPU at steady refresh: starts veltrano-sim (the 747 cruising on
# its autopilot unless other simulator options are given) and the panel under
# xvfb-run, lets the panel connect and settle, then prints its average CPU
# over SECONDS as a percentage of one core (user and system time of all its
# threads, from /proc) and its resident memory at the end.
# Usage: scripts/measure-cpu.sh SECONDS [simulator options] (build folder: $BUILD or build)
set -euo pipefail

# Inside xvfb-run (the script runs itself there): the panel in the
# background, sampled from /proc.
measure() {
    local panel_bin=$1 seconds=$2 settle=$3 sim=$4
    "$panel_bin" &
    local panel=$!
    cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; } # utime + stime, all threads
    sleep "$settle"
    kill -0 "$panel" 2>/dev/null || { echo "the panel did not start" >&2; return 1; }
    local p0 s0 t0 p1 s1 t1
    p0=$(cpu_ticks "$panel"); s0=$(cpu_ticks "$sim"); t0=$(date +%s.%N)
    sleep "$seconds"
    p1=$(cpu_ticks "$panel"); s1=$(cpu_ticks "$sim"); t1=$(date +%s.%N)
    local rss
    rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$panel/status")
    kill "$panel"
    wait "$panel" 2>/dev/null || true
    awk -v p="$((p1 - p0))" -v s="$((s1 - s0))" -v t0="$t0" -v t1="$t1" -v hz="$(getconf CLK_TCK)" -v rss="$rss" 'BEGIN {
        wall = t1 - t0
        printf "panel CPU: %.2f %% of one core over %.1f s (%.2f s of CPU)\n", 100 * p / hz / wall, wall, p / hz
        printf "panel RSS: %.1f MiB\n", rss / 1024
        printf "simulator CPU meanwhile: %.2f %% of one core\n", 100 * s / hz / wall
    }'
}
if [ "${1:-}" = "--inside" ]; then
    shift
    measure "$@"
    exit
fi

cd "$(dirname "$0")/.."
seconds=${1:-}
[[ "$seconds" =~ ^[0-9]+$ && "$seconds" -gt 0 ]] || { echo "usage: $0 SECONDS [simulator options]" >&2; exit 2; }
shift
build=${BUILD:-build}
settle=${SETTLE:-3} # seconds for the connection and the first pass, not measured
[ -x "$build/app/veltrano" ] || { echo "build first (./run.sh or ./test.sh)" >&2; exit 1; }
sim_args=("$@")
[ ${#sim_args[@]} -eq 0 ] && sim_args=(--aircraft b747 --scenario cruise)

source scripts/simulator.sh
start_simulator "$build" "${sim_args[@]}"

QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$(pwd)/scripts/measure-cpu.sh" --inside "$build/app/veltrano" "$seconds" "$settle" "$sim"

# The panel wrote its link version to the simulator when it connected.
echo "read 0x330A 2" >&3
answer=
for _ in $(seq 50); do
    answer=$(grep '^OK' "$runtime/sim.out" | tail -n 1 || true)
    [ -n "$answer" ] && break
    sleep 0.1
done
if [ -z "$answer" ] || [ "$answer" = "OK 0000" ]; then
    echo "the panel never connected: these are not the figures of a refreshing panel" >&2
    exit 1
fi

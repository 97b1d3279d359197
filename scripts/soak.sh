#!/usr/bin/env bash
# Soak test: veltrano-sim and the panel under xvfb-run for MINUTES, with
# random far-end faults (silent, late, reject, close) and simulator kills and
# restarts, sampling the panel's memory (RSS) and processor use.
#
#   scripts/soak.sh MINUTES [SEED]
#
# Fails when the panel dies, when it is not connected and refreshing again
# within 10 s of the simulator being back, or when its RSS grows by more than
# 2 MB after the warm-up (a sixth of the run, at least one minute).
#
# Connected and refreshing are seen from outside: the panel's shared block
# (/dev/shm/...FsasmLib:IPC:<pid>:1) exists exactly while its link is open,
# and its bytes change while the refresh runs (the simulator clock it reads
# moves every second).
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=${1:?usage: scripts/soak.sh MINUTES [SEED]}
seed=${2:-$$}
RANDOM=$seed
source scripts/setup.sh
ensure_packages
build_tree build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

work=$(mktemp -d /tmp/veltrano-soak-XXXXXX)
export XDG_RUNTIME_DIR=$work # a private endpoint folder: no other panel or simulator meets this run
log=$work/soak.log
mkfifo "$work/sim.in"
sim=""
panel=""
xvfb=""

say() { echo "soak: $*" | tee -a "$log" >&2; }
now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.1f", b - a }'; }

start_sim() {
    build/simulator/veltrano-sim <"$work/sim.in" >>"$work/sim.out" 2>>"$work/sim.err" &
    sim=$!
    exec 3>"$work/sim.in"
    for _ in $(seq 100); do
        [ "$(grep -c '^READY' "$work/sim.out" 2>/dev/null)" -gt "${readies:-0}" ] && break
        kill -0 "$sim" 2>/dev/null || { say "veltrano-sim did not start"; exit 1; }
        sleep 0.1
    done
    readies=$(grep -c '^READY' "$work/sim.out")
}
sim_says() { echo "$1" >&3; }
stop_sim() { # $1: KILL or TERM
    kill "-$1" "$sim" 2>/dev/null || true
    wait "$sim" 2>/dev/null || true
    exec 3>&-
}

# Ends what this run started, by process id: the panel first (it closes its
# link), then Xvfb, then the simulator (SIGTERM stops it cleanly).
cleanup() {
    set +e # whatever has ended already, end the rest
    if [ -n "$panel" ]; then kill -TERM "$panel" 2>/dev/null && sleep 1; fi
    if [ -n "$xvfb" ]; then kill -TERM "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; fi
    if [ -n "$sim" ]; then kill -TERM "$sim" 2>/dev/null; wait "$sim" 2>/dev/null; fi
    exec 3>&- 2>/dev/null
    panel="" xvfb="" sim=""
    true
}
trap cleanup EXIT
trap 'exit 130' INT TERM

block_file() { printf '/dev/shm/veltrano-%d-FsasmLib:IPC:%X:1' "$(id -u)" "$panel"; }
block_bytes() { od -An -tx1 -N64 "$(block_file)" 2>/dev/null | tr -d ' \n'; }
panel_alive() { kill -0 "$panel" 2>/dev/null; }
rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$panel/status"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$panel/stat"; }

# Waits until the panel's link is open and its block changes; prints the
# seconds it took, or fails after 10 s.
recovery() {
    local since last="" bytes
    since=$(now)
    while awk -v a="$since" -v b="$(now)" 'BEGIN { exit !(b - a < 10) }'; do
        panel_alive || { say "the panel died"; return 1; }
        bytes=$(block_bytes)
        if [ -n "$bytes" ] && [ -n "$last" ] && [ "$bytes" != "$last" ]; then
            elapsed "$since"
            return 0
        fi
        last=$bytes
        sleep 0.25
    done
    return 1
}

start_sim
xvfb-run -a sh -c "echo \$\$ >'$work/panel.pid'; exec build/app/veltrano" >"$work/panel.out" 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/panel.pid" ] && break; sleep 0.1; done
panel=$(cat "$work/panel.pid")
say "seed $seed, $minutes min, panel $panel, files in $work"
recovery >/dev/null || { say "FAIL: the panel did not connect within 10 s"; exit 1; }

# Samples of RSS (kB) every 5 s, in the background.
(
    while kill -0 "$panel" 2>/dev/null; do
        echo "$(date +%s) $(awk '/^VmRSS:/ { print $2 }' "/proc/$panel/status" 2>/dev/null)"
        sleep 5
    done
) >"$work/rss" &
sampler=$!

start=$(date +%s)
end=$((start + minutes * 60))
warmup=$((minutes * 60 / 6)); [ "$warmup" -lt 60 ] && warmup=60
ticks0=$(cpu_ticks)
faults=(silent late reject close kill term)
declare -A counts=()
worst=0 total=0 n=0 failures=0

while [ "$(date +%s)" -lt "$end" ]; do
    sleep $((5 + RANDOM % 16)) # undisturbed for a while
    fault=${faults[RANDOM % ${#faults[@]}]}
    counts[$fault]=$((${counts[$fault]:-0} + 1))
    case $fault in
    silent | reject | close)
        sim_says "fault $fault"; sleep $((2 + RANDOM % 12)); sim_says "fault none" ;;
    late)
        sim_says "fault late $((100 + RANDOM % 3000))"; sleep $((2 + RANDOM % 12)); sim_says "fault none" ;;
    kill | term)
        stop_sim "$([ "$fault" = kill ] && echo KILL || echo TERM)"; sleep $((RANDOM % 8)); start_sim ;;
    esac
    if took=$(recovery); then
        n=$((n + 1))
        total=$(awk -v a="$total" -v b="$took" 'BEGIN { print a + b }')
        worst=$(awk -v a="$worst" -v b="$took" 'BEGIN { print (b > a) ? b : a }')
        echo "$(date +%s) $fault back in ${took}s" >>"$log"
    else
        panel_alive || { say "FAIL: the panel died after '$fault'"; exit 1; }
        failures=$((failures + 1))
        say "after '$fault' the panel was not back within 10 s"
    fi
done

seconds=$(($(date +%s) - start))
cpu=$(awk -v t="$(($(cpu_ticks) - ticks0))" -v hz="$(getconf CLK_TCK)" -v s="$seconds" \
      'BEGIN { printf "%.1f", 100 * t / hz / s }')
kill "$sampler" 2>/dev/null || true
# RSS at the end of the warm-up and at the end: the median of the last six
# samples before each (half a minute), so that one busy moment does not count.
read -r base final peak < <(awk -v w="$((start + warmup))" '
    function median(a, n,   i, j, t) { for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
                                       return a[int((n + 1) / 2)] }
    $2 == "" { next }
    $1 <= w { b[++nb] = $2; if (nb > 6) { for (i = 1; i < nb; i++) b[i] = b[i + 1]; nb = 6 } }
    $1 > w { f[++nf] = $2; if ($2 > peak) peak = $2; if (nf > 6) { for (i = 1; i < nf; i++) f[i] = f[i + 1]; nf = 6 } }
    END { printf "%d %d %d\n", median(b, nb), median(f, nf), peak }' "$work/rss")
growth=$((final - base))
summary=""
for f in "${!counts[@]}"; do summary+="$f ${counts[$f]}, "; done
say "disruptions: ${summary%, }"
say "back after each: $n of $((n + failures)), worst ${worst} s, mean $(awk -v t="$total" -v n="$n" 'BEGIN { printf "%.1f", n ? t / n : 0 }') s"
say "RSS: ${base} kB after warm-up, ${final} kB at the end (growth ${growth} kB), peak ${peak} kB; CPU ${cpu} % of one core"
if [ "$failures" -gt 0 ] || [ "$growth" -gt 2048 ]; then
    say "FAIL (files kept in $work)"
    exit 1
fi
say "PASS"
cleanup
trap - EXIT
rm -rf "$work"

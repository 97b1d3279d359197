#!/usr/bin/env bash
# Builds Veltrano, starts the stand-in simulator and the panel against it,
# and stops the simulator when the panel closes. The simulator flies the
# cruise scenario unless the arguments choose another.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
ensure_packages
build_tree build -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The simulator keeps serving until told to quit; its input stays open on a fifo.
workdir=$(mktemp -d)
mkfifo "$workdir/sim.in"
sim_args=("$@")
case " $* " in
*" --scenario "*) ;;
*) sim_args+=(--scenario cruise) ;;
esac
build/simulator/veltrano-sim "${sim_args[@]}" <"$workdir/sim.in" >"$workdir/sim.out" &
sim=$!
exec 3>"$workdir/sim.in"
cleanup() {
    [ -n "${cleaned:-}" ] && return
    cleaned=1
    echo quit >&3 2>/dev/null || true
    exec 3>&-
    wait "$sim" 2>/dev/null || true
    rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
for _ in $(seq 100); do
    grep -q '^READY' "$workdir/sim.out" 2>/dev/null && break
    kill -0 "$sim" 2>/dev/null || { echo "veltrano-sim did not start" >&2; exit 1; }
    sleep 0.1
done
build/app/veltrano

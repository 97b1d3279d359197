#!/usr/bin/env bash
# Saves docs/panel.png: veltrano-sim and the panel under xvfb-run, the panel
# connected and refreshed for a few ticks, then pictured.
# Usage: scripts/screenshot.sh [build folder] (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -x "$build/tools/veltrano-inventory" ] || { echo "build first (./run.sh or ./test.sh)" >&2; exit 1; }

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
mkfifo "$runtime/sim.in"
"$build/simulator/veltrano-sim" --aircraft baron <"$runtime/sim.in" >"$runtime/sim.out" &
sim=$!
exec 3>"$runtime/sim.in"
trap 'echo quit >&3; exec 3>&-; wait $sim 2>/dev/null; rm -rf "$runtime"' EXIT
until grep -q '^READY' "$runtime/sim.out" 2>/dev/null; do
    kill -0 "$sim" 2>/dev/null || { echo "veltrano-sim did not start" >&2; exit 1; }
    sleep 0.1
done

mkdir -p docs
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/tools/veltrano-inventory" --connect --ticks 8 --screenshot docs/panel.png >/dev/null
echo "saved docs/panel.png"

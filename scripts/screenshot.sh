#!/usr/bin/env bash
# Saves docs/panel.png: veltrano-sim and the panel under xvfb-run, the panel
# connected and refreshed for a few ticks, then pictured.
# Usage: scripts/screenshot.sh [build folder] (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -x "$build/tools/veltrano-inventory" ] || { echo "build first (./run.sh or ./test.sh)" >&2; exit 1; }

source scripts/simulator.sh
start_simulator "$build" --aircraft baron

mkdir -p docs
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/tools/veltrano-inventory" --connect --ticks 8 --screenshot docs/panel.png >/dev/null
echo "saved docs/panel.png"

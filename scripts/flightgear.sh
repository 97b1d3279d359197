#!/usr/bin/env bash
# Flies FlightGear with the panel: installs FlightGear from Debian when it is
# missing, builds Veltrano, starts FlightGear headless over Honolulu with
# veltrano-fg beside it, then the panel. Closing the panel stops them.
# Arguments go to FlightGear (e.g. --aircraft=ufo --altitude=9000).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/flightgear-lib.sh
ensure_packages
ensure_flightgear
build_tree build -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The panel and the bridge meet in one endpoint folder, whatever user
# namespace the bridge runs in.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/veltrano-run-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
work=$(mktemp -d)
cleanup() {
    [ -n "${cleaned:-}" ] && return
    cleaned=1
    fg_stop
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

echo "Starting FlightGear (about 15 s and 2 GB; longer on a busy machine)..."
fg_start "$work" "$PWD/build/simulator/flightgear/veltrano-fg" "$@"
fg_wait_connected "$work" 600
fg_fly_on "$work"
grep '^FLIGHTGEAR' "$work/bridge.out" | tail -1
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: the panel runs off-screen."
    export QT_QPA_PLATFORM=offscreen
fi
status=0
build/app/veltrano || status=$?
grep '^FLIGHTGEAR lost' "$work/bridge.out" || true
exit "$status"

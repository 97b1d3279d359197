# Sourced by the scripts that need veltrano-sim running in the background.
#
# start_simulator <build folder> [options...]: starts the simulator in a
# private endpoint folder (exported as XDG_RUNTIME_DIR, so that what the
# script starts meets this simulator and no other) and waits until it serves.
# Sets runtime (the folder) and sim (its process id); its commands go to file
# descriptor 3, its answers to $runtime/sim.out. When the script exits the
# simulator is told to quit and the folder goes.
start_simulator() {
    local build=$1
    shift
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    export XDG_RUNTIME_DIR=$runtime
    mkfifo "$runtime/sim.in"
    "$build/simulator/veltrano-sim" "$@" <"$runtime/sim.in" >"$runtime/sim.out" &
    sim=$!
    exec 3>"$runtime/sim.in"
    trap 'echo quit >&3; exec 3>&-; wait $sim 2>/dev/null; rm -rf "$runtime"' EXIT
    until grep -q '^READY' "$runtime/sim.out" 2>/dev/null; do
        kill -0 "$sim" 2>/dev/null || { echo "veltrano-sim did not start" >&2; exit 1; }
        sleep 0.1
    done
}

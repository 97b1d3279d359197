#!/usr/bin/env bash
# FlightGear with veltrano-fg, for scripts/flightgear.sh and
# scripts/flightgear-check.sh; not meant to be called directly.
#
# FlightGear runs headless: under Xvfb (its renderer needs a display), with
# dbus-run-session, and with the scene's draw masks off (the software
# renderer crashes drawing terrain, models and clouds). Its props server binds
# every interface whatever host it is given, so FlightGear and the bridge run
# in a private network namespace with only a loopback; the link's endpoints
# are files, so a panel outside the namespace still reaches the bridge.
# Scenery ships for Hawaii (and part of Iceland): the aircraft starts over
# Honolulu.

fg_packages=(flightgear dbus xvfb xauth iproute2 util-linux)
fg_props_port=${FG_PROPS_PORT:-5401}

# Installs FlightGear from Debian when it is missing (about 3 GB); needs
# scripts/setup.sh.
ensure_flightgear() {
    ensure_packages "${fg_packages[@]}"
}

# The command that runs its arguments in a private network namespace: as
# root directly, otherwise as root of a private user namespace.
fg_namespace() {
    if [ "$(id -u)" -eq 0 ]; then
        echo "unshare -n"
    else
        echo "unshare -r -n"
    fi
}

# fg_args: FlightGear's command line (extra arguments are appended).
fg_args() {
    echo --airport=PHNL --aircraft=c172p --altitude=6000 --vc=100 --heading=45 --timeofday=noon \
        --props=socket,bi,60,localhost,"$fg_props_port",tcp \
        --disable-sound --disable-ai-traffic --disable-real-weather-fetch --disable-terrasync \
        --prop:/sim/rendering/draw-mask/terrain=false --prop:/sim/rendering/draw-mask/models=false \
        --prop:/sim/rendering/draw-mask/aircraft=false --prop:/sim/rendering/draw-mask/clouds=false \
        --prop:/sim/rendering/shaders/skydome=false "$@"
}

# Inside the namespace: FlightGear in the background, then the bridge in
# the foreground (commands from $work/bridge.in, output to $work/bridge.out).
# When the bridge ends, FlightGear is stopped.
# fg_inside <work> <bridge> [fgfs arguments...]
fg_inside() {
    local work=$1 bridge=$2
    shift 2
    ip link set lo up
    # Its own process group: dbus, Xvfb and FlightGear are stopped together.
    # Display numbers are shared with every other Xvfb of the machine (their
    # lock files are in /tmp): the search starts at one of this run's own.
    # shellcheck disable=SC2046
    setsid dbus-run-session -- xvfb-run -a -n $((200 + $$ % 700)) -s "-screen 0 1024x768x24" \
        /usr/games/fgfs $(fg_args "$@") \
        >"$work/fgfs.log" 2>&1 &
    local fgfs=$!
    echo "$fgfs" >"$work/fgfs.pid"
    "$bridge" --fg "localhost:$fg_props_port" <"$work/bridge.in" >"$work/bridge.out" 2>&1 || true
    kill -TERM -- "-$fgfs" 2>/dev/null || true
    wait "$fgfs" 2>/dev/null || true
}

# Starts FlightGear and the bridge in their namespace. Sets fg_namespace_pid
# and opens file descriptor 7 on the bridge's input.
# fg_start <work> <bridge> [fgfs arguments...]
fg_start() {
    local work=$1
    mkfifo "$work/bridge.in"
    : >"$work/bridge.out"
    # shellcheck disable=SC2046
    $(fg_namespace) bash -c 'source "$0"; fg_inside "$@"' "$fg_lib" "$@" &
    fg_namespace_pid=$!
    exec 7>"$work/bridge.in"
}

# Waits until the bridge has FlightGear's first answers (or gives up).
# fg_wait_connected <work> <seconds>
fg_wait_connected() {
    local work=$1 limit=$2 waited=0
    until grep -q '^FLIGHTGEAR connected' "$work/bridge.out" 2>/dev/null; do
        if ! kill -0 "$fg_namespace_pid" 2>/dev/null; then
            echo "FlightGear or the bridge stopped; see $work/fgfs.log and $work/bridge.out" >&2
            return 1
        fi
        if grep -q 'Unable to open display' "$work/fgfs.log" 2>/dev/null; then
            echo "FlightGear found no display (Xvfb did not start); see $work/fgfs.log" >&2
            return 1
        fi
        if [ "$waited" -ge "$limit" ]; then
            echo "FlightGear did not answer within $limit s; see $work/fgfs.log" >&2
            return 1
        fi
        sleep 1
        waited=$((waited + 1))
    done
}

# Runs a command in the namespace of FlightGear and the bridge.
# fg_in_namespace <work> <command...>
fg_in_namespace() {
    local target
    target=$(cat "$1/fgfs.pid")
    shift
    if [ "$(id -u)" -eq 0 ]; then
        nsenter -t "$target" -n "$@"
    else
        nsenter -t "$target" -U -n --preserve-credentials "$@"
    fi
}

# Commands to FlightGear's props server on a connection of the caller's own
# (not through the bridge); prints one line per get, once every command is
# done. fg_props <work> <command...>
fg_props() {
    local work=$1
    shift
    fg_in_namespace "$work" bash -c '
        exec 5<>"/dev/tcp/127.0.0.1/$0" || exit 1
        printf "data\r\n" >&5
        gets=0
        for c; do printf "%s\r\n" "$c" >&5; [[ $c == get\ * ]] && gets=$((gets + 1)); done
        printf "get /sim/aircraft\r\n" >&5 # answered after every command before it
        for ((i = 0; i <= gets; i++)); do
            IFS= read -r -t 10 v <&5 || exit 1
            [ "$i" -lt "$gets" ] && printf "%s\n" "${v%$'"'"'\r'"'"'}"
        done
        exit 0' "$fg_props_port" "$@"
}

# FlightGear's own values, one line per path: fg_get <work> <path...>
fg_get() {
    local work=$1 p commands=()
    shift
    for p; do commands+=("get $p"); done
    fg_props "$work" "${commands[@]}"
}

# Sets FlightGear's properties directly: fg_set <work> <path> <value> [...]
fg_set() {
    local work=$1 commands=()
    shift
    while [ $# -ge 2 ]; do
        commands+=("set $1 $2")
        shift 2
    done
    fg_props "$work" "${commands[@]}"
}

# Nobody holds the yoke: the c172p's KAP 140 keeps the wings level on the
# heading it has (pitch stays free; the aircraft finds its own speed).
fg_fly_on() {
    local work=$1 heading
    heading=$(fg_get "$work" /orientation/heading-deg)
    fg_set "$work" /autopilot/settings/heading-bug-deg "${heading:-45}" \
        /autopilot/KAP140/locks/roll-axis true /autopilot/KAP140/locks/roll-mode HDG \
        /autopilot/KAP140/locks/hdg-hold true
}

# Quits the bridge (which stops FlightGear) and waits for the namespace.
fg_stop() {
    echo quit >&7 2>/dev/null || true
    exec 7>&-
    wait "$fg_namespace_pid" 2>/dev/null || true
}

fg_lib=$(readlink -f "${BASH_SOURCE[0]}")

#!/usr/bin/env bash
# The panel on a real FlightGear, checked end to end (not part of CI: it
# needs FlightGear, about 3 GB of packages, and a few GB of memory).
#
# Starts FlightGear headless with veltrano-fg beside it, runs
# veltrano-inventory --connect --ticks N against the bridge, and compares
# what the panel shows with what FlightGear says at the same time: altitude,
# airspeed, heading, RPM and COM1. A figure whose reader has not landed in
# the panel yet is compared at the link (the bridge's offsets) and reported
# as such. Then it clicks the battery switch and types a COM1 standby
# frequency on the panel and checks that FlightGear's properties follow.
# Prints every figure and the bridge's batch latency; exits non-zero when a
# check fails.
#
# Usage: scripts/flightgear-check.sh [TICKS] [fgfs arguments...]
# FG_CHECK_SOAK=S: seconds of refreshing added before the latency figures (30).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/flightgear-lib.sh
ticks=${1:-6}
[ $# -gt 0 ] && shift
ensure_packages
ensure_flightgear
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target veltrano-fg veltrano-inventory

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/veltrano-run-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
cleanup() {
    [ -n "${cleaned:-}" ] && return
    cleaned=1
    fg_stop
    [ -n "${keep:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

started=$(date +%s)
fg_start "$work" "$PWD/build/simulator/flightgear/veltrano-fg" "$@"
fg_wait_connected "$work" 900 || { keep=1; exit 1; }
echo "FlightGear and the bridge up in $(($(date +%s) - started)) s: $(grep '^FLIGHTGEAR connected' "$work/bridge.out" | head -1)"
fg_fly_on "$work"

# --- asking FlightGear and the bridge ------------------------------------------

# One command to the bridge; its answer line (status lines skipped).
bridge_ask() {
    local before
    before=$(grep -c '' "$work/bridge.out")
    echo "$1" >&7
    for _ in $(seq 100); do
        local answer
        answer=$(tail -n +$((before + 1)) "$work/bridge.out" | grep -m1 -E '^(OK|ERR)' || true)
        [ -n "$answer" ] && { echo "$answer"; return; }
        sleep 0.1
    done
    echo "ERR no answer"
}

# An offset through the bridge, decoded: bridge_value HEXOFFSET SIZE KIND
# with KIND s64alt (metres x 2^32 to feet), s32kt (knots x 128), f64, bcd.
bridge_value() {
    local hex
    hex=$(bridge_ask "read $1 $2" | sed -n 's/^OK //p')
    perl -e '
        my ($kind, $hex) = @ARGV; my $b = pack("H*", $hex);
        if ($kind eq "s64alt") { printf "%.1f", unpack("q<", $b) * 3.28084 / 4294967296 }
        elsif ($kind eq "s32kt") { printf "%.2f", unpack("l<", $b) / 128 }
        elsif ($kind eq "f64") { printf "%.2f", unpack("d<", $b) }
        elsif ($kind eq "bcd") { printf "%.2f", (sprintf("%04x", unpack("v", $b)) + 10000) / 100 }' "$3" "$hex"
}

# A control's text in a listing of veltrano-inventory.
panel_text() { grep -P "^$1\t" "$2" | cut -f9; }

# Whether a reader has landed: the panel still stubs the ones that have not.
reader_present() { ! grep -q "void TfrmACMain::$1() {}" readout/readers_pending.cpp 2>/dev/null; }

# within VALUE LOW HIGH TOLERANCE [wrap]: VALUE inside [LOW, HIGH] widened by
# the tolerance (for headings, modulo 360).
within() {
    perl -e '
        my ($v, $a, $b, $t, $wrap) = @ARGV; ($a, $b) = ($b, $a) if $a > $b;
        sub d { my ($x, $y) = @_; my $e = $x - $y; if ($wrap) { $e -= 360 while $e > 180; $e += 360 while $e < -180 } $e }
        exit((d($v, $a) >= -$t && d($v, $b) <= $t) || (abs(d($v, $a)) <= $t) || (abs(d($v, $b)) <= $t) ? 0 : 1)' "$@"
}

# The latency from here on: FlightGear's start-up is not the bridge's.
bridge_ask "stats reset" >/dev/null

failures=0
report() { # report NAME RESULT DETAILS
    printf '%-28s %-5s %s\n' "$1" "$2" "$3"
    [ "$2" = "FAIL" ] && failures=$((failures + 1))
    return 0
}

# --- the readout ------------------------------------------------------------------
#       figure          property                                               offset   size kind   control reader        tolerance wrap
figures=(
    "altitude_ft        /position/altitude-ft                                   0x0570   8    s64alt stAlt   AltitudeInfo  40        0"
    "airspeed_kt        /instrumentation/airspeed-indicator/indicated-speed-kt  0x02BC   4    s32kt  lSpeed  SpeedInfo     3         0"
    "heading_deg        /orientation/heading-deg                                0x2B00   8    f64    eHdg    HeadInfo      2         1"
    "rpm                /engines/engine[0]/rpm                                  0x2400   8    f64    stRPM1  EngineInfoSel 40        0"
    "com1_mhz           /instrumentation/comm[0]/frequencies/selected-mhz       0x034E   2    bcd    stCom1  RadioInfo     0.005     0"
)
paths=()
for f in "${figures[@]}"; do
    read -r _ path _ <<<"$f"
    paths+=("$path")
done

echo
echo "The panel against FlightGear ($ticks refresh ticks):"
mapfile -t before < <(fg_get "$work" "${paths[@]}")
listing="$work/inventory.txt"
if ! build/tools/veltrano-inventory --connect --ticks "$ticks" >"$listing" 2>"$work/inventory.err"; then
    cat "$work/inventory.err" >&2
    report "panel connected" FAIL "veltrano-inventory could not connect or refresh"
fi
declare -A link
for f in "${figures[@]}"; do
    read -r name _ offset size kind _ <<<"$f"
    link[$name]=$(bridge_value "$offset" "$size" "$kind")
done
mapfile -t after < <(fg_get "$work" "${paths[@]}")

present=() pending=()
for i in "${!figures[@]}"; do
    read -r name path _ _ _ control reader tolerance wrap <<<"${figures[$i]}"
    fgrange="FlightGear ${before[$i]:-?} .. ${after[$i]:-?}"
    if within "${link[$name]}" "${before[$i]}" "${after[$i]}" "$tolerance" "$wrap"; then
        report "$name (link)" ok "bridge ${link[$name]}, $fgrange"
    else
        report "$name (link)" FAIL "bridge ${link[$name]}, $fgrange"
    fi
    if reader_present "$reader"; then
        present+=("$reader")
        shown=$(panel_text "$control" "$listing" | tr -cd '0-9.-')
        if [ -n "$shown" ] && within "$shown" "${before[$i]}" "${after[$i]}" "$tolerance" "$wrap"; then
            report "$name (panel $control)" ok "shows $shown, $fgrange"
        else
            report "$name (panel $control)" FAIL "shows '${shown}', $fgrange"
        fi
    else
        pending+=("$reader")
        report "$name (panel $control)" -     "reader $reader not in the panel yet"
    fi
done
echo "Readers present: ${present[*]:-none}; not yet: ${pending[*]:-none}"

# --- acting on the panel ------------------------------------------------------------
echo
echo "Acting on the panel:"
mapfile -t was < <(fg_get "$work" /controls/switches/master-bat /instrumentation/comm[0]/frequencies/standby-mhz)
standby=121.500
perl -e 'exit(abs($ARGV[0] - 121.5) < 0.001 ? 0 : 1)' "${was[1]:-0}" && standby=122.800
if build/tools/veltrano-inventory --connect --ticks 2 --click knbMasterBat --type "eCom1s=$standby" \
    >/dev/null 2>"$work/actions.err"; then
    mapfile -t now < <(fg_get "$work" /controls/switches/master-bat /instrumentation/comm[0]/frequencies/standby-mhz)
    flipped=$([ "${was[0]}" = true ] && echo false || echo true)
    [ "${now[0]}" = "$flipped" ] && r=ok || r=FAIL
    report "battery click" "$r" "/controls/switches/master-bat ${was[0]} -> ${now[0]}"
    perl -e 'exit(abs($ARGV[0] - $ARGV[1]) < 0.001 ? 0 : 1)' "${now[1]:-0}" "$standby" && r=ok || r=FAIL
    report "COM1 standby typed" "$r" "typed $standby: standby-mhz ${was[1]} -> ${now[1]}"
else
    cat "$work/actions.err" >&2
    report "panel actions" FAIL "veltrano-inventory could not act on the panel"
fi

# --- the bridge ----------------------------------------------------------------------
echo
if [ "${FG_CHECK_SOAK:-30}" -gt 0 ]; then
    echo "Letting the bridge refresh for ${FG_CHECK_SOAK:-30} s more..."
    sleep "${FG_CHECK_SOAK:-30}"
fi
stats=$(bridge_ask stats)
echo "Bridge: ${stats#OK }"
perl -e 'my %s = split / /, $ARGV[0]; printf "Batch latency per refresh: median %.1f ms, p99 %.1f ms over %d batches\n", $s{median_us} / 1000, $s{p99_us} / 1000, $s{batches}' "${stats#OK }"
grep '^FLIGHTGEAR' "$work/bridge.out"
echo
if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed; FlightGear's log: $work/fgfs.log"
    keep=1
    exit 1
fi
echo "All checks passed."

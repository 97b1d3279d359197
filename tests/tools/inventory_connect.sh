#!/usr/bin/env bash
# veltrano-inventory against a running veltrano-sim: the listing starts with
# the window, captioned as connected, and the status bar shows the refresh.
set -euo pipefail
sim=$1 inventory=$2
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen
mkfifo "$runtime/in" "$runtime/out"
"$sim" <"$runtime/in" >"$runtime/out" &
pid=$!
exec 3>"$runtime/in" 4<"$runtime/out"
trap 'echo quit >&3; exec 3>&-; wait $pid; rm -rf "$runtime"' EXIT
read -r -t 20 ready <&4
[[ $ready == READY* ]]

listing=$("$inventory" --connect --ticks 3)
head -1 <<<"$listing" | grep -qP '^frmACMain\tTfrmACMain\t0\t0\t1161\t783\t1\t1\tVeltrano - Connected\t'
grep -P '^simver1\t' <<<"$listing" | grep -q 'WideFS: No | FS: FSX | .* | Scanning\.[0-3] | FS Clock: [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'
test "$(wc -l <<<"$listing")" -ge 443

# Acting on the panel as a user: a click on the battery switch flips the
# simulator's battery; a COM1 standby typed in is written as its word.
battery=$(echo "read 0x3102 1" >&3; read -r -t 10 a <&4; echo "$a")
"$inventory" --connect --ticks 1 --click knbMasterBat --type eCom1s=122.700 >/dev/null
echo "read 0x3102 1" >&3
read -r -t 10 flipped <&4
[[ $battery == "OK 00" && $flipped == "OK 01" || $battery == "OK 01" && $flipped == "OK 00" ]]
echo "read 0x311A 2" >&3
read -r -t 10 standby <&4
[[ $standby == "OK 7022" ]]

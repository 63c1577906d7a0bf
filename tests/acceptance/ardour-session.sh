#!/usr/bin/env bash
# Ardour 7 hosts Velqa in a headless session: a stereo track with the plug-in and two
# parameters set, rendered by Ardour and compared with `velqa render` of the same settings, then
# saved, reloaded and the parameters read back. Arguments: VELQA FIXTURE BUNDLE
set -uo pipefail
velqa=$1
fixture=$2
bundle=$3
here=$(cd "$(dirname "$0")" && pwd)
settings="OutVol=0.25,LookaheadOn=1"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home/config/ardour7/export" "$work/home/cache" "$work/home/data" "$work/home/lv2" \
    "$work/plugins" "$work/export"
# Ardour's stock presets cannot write float at the session rate; this one can.
cp "$here/float-wav.preset" "$work/home/config/ardour7/export/"
# Ardour finds plug-ins by folder; a folder holding only this bundle keeps the scan short.
ln -s "$(cd "$bundle" && pwd)" "$work/plugins/Velqa.vst3"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_CACHE_HOME="$work/home/cache" \
    XDG_DATA_HOME="$work/home/data" LV2_PATH="$work/home/lv2" VST3_PATH="$work/plugins" \
    LD_LIBRARY_PATH=/usr/lib/ardour7 VELQA_SESSION_DIR="$work/session" \
    VELQA_SESSION_NAME=accept VELQA_SETTINGS="$settings" VELQA_EXPORT_FOLDER="$work/export" \
    VELQA_EXPORT_PRESET=5d0b6e0e-7a51-4c1b-9f3e-9d2f6c1a7e01

step() {
    local limit=$1 name=$2
    shift 2
    local started=$SECONDS
    "$@" >"$work/$name.log" 2>&1
    local status=$?
    echo "$name: exit $status after $((SECONDS - started)) s"
    if [ $status -ne 0 ]; then
        [ $status -eq 124 ] && echo "FAIL: $name did not finish within $limit s"
        grep -v WARNING "$work/$name.log" | tail -20
        exit 1
    fi
}
# Ardour 7.3 sometimes aborts while tearing a session down, with or without plug-ins (seen in
# about one run of ten here), so a phase that dies of a signal gets one more attempt.
ardour_step() {
    local name=$1 script=$2 attempt
    for attempt in 1 2; do
        [ "$name" = build ] && rm -rf "$VELQA_SESSION_DIR"
        [ "$name" = render ] && rm -f "$work"/export/*
        timeout 60 ardour7-lua "$here/$script" >"$work/$name.log" 2>&1
        local status=$?
        echo "$name: exit $status (attempt $attempt)"
        [ $status -eq 0 ] && return 0
        if [ $status -lt 128 ] || [ $status -eq 124 ]; then break; fi
    done
    [ $status -eq 124 ] && echo "FAIL: $name did not finish within 60 s"
    grep -v WARNING "$work/$name.log" | tail -20
    exit 1
}
expect_in_log() {
    if ! grep -q -- "$2" "$work/$1.log"; then
        echo "FAIL: $1: missing '$2'"
        tail -20 "$work/$1.log"
        exit 1
    fi
}

step 60 scan timeout 60 /usr/lib/ardour7/ardour-vst3-scanner -f "$work/plugins/Velqa.vst3"
expect_in_log scan 'Found Plugin: Velqa'
step 30 signal timeout 30 "$fixture" signal "$work"
ardour_step build session-build.lua
step 10 add-audio timeout 10 "$fixture" add-audio "$work/session/accept.ardour" "$work"
# ardour7-export is not used: it sometimes aborts in its own clean-up, with or without plug-ins.
ardour_step render session-render.lua
rendered=("$work"/export/*.wav)
[ -f "${rendered[0]}" ] || { echo "FAIL: Ardour wrote no file"; exit 1; }
step 60 velqa timeout 60 "$velqa" render "$work/in.wav" -o "$work/velqa.wav" --bundle "$bundle" \
    --compensate --set OutVol=0.25 --set LookaheadOn=1
cat "$work/velqa.log"
step 10 compare timeout 10 "$fixture" compare "${rendered[0]}" "$work/velqa.wav" 1e-5
cat "$work/compare.log"
ardour_step reload session-check.lua
grep -E ' = ' "$work/reload.log"
echo "PASS: Ardour renders, saves and restores Velqa as velqa render does"

#!/usr/bin/env bash
# Ardour's VST 3 scanner must find the plug-in and list its buses. The scanner exits 0 even when
# loading fails, so its text is what counts. Arguments: SCANNER BUNDLE
set -uo pipefail
scanner=$1
bundle=$2

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config" "$home/cache" "$home/data" "$home/lv2"

output=$(HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
    XDG_DATA_HOME="$home/data" LV2_PATH="$home/lv2" LD_LIBRARY_PATH=/usr/lib/ardour7 \
    timeout 60 "$scanner" -v -f "$bundle" 2>&1)
status=$?
printf '%s\n' "$output"
if [ $status -eq 124 ]; then
    echo "FAIL: the scanner did not finish within 60 s"
    exit 1
fi

failed=0
expect() {
    if ! grep -qE -- "$1" <<<"$output"; then
        echo "FAIL: missing: $1"
        failed=1
    fi
}
# The "- bus:" lines that follow one "media: ... type: ..." heading, joined by commas.
buses_of() {
    awk -v heading="$1" '
        /media: / { inside = index($0, heading " n_busses") > 0; next }
        inside && /- bus:/ { sub(/.*- bus: /, ""); printf "%s%s", sep, $0; sep = "," }
    ' <<<"$output"
}
check_buses() {
    local found
    found=$(buses_of "$1")
    if [ "$found" != "$2" ]; then
        echo "FAIL: $1: buses '$found', expected '$2'"
        failed=1
    fi
}

expect 'Found Plugin: Velqa$'
expect "Class: 0 'Velqa' 'Audio Module Class'"
expect 'category="Fx\|EQ" version="2.6.4.0" sdk-version="VST 3.5.2"'
check_buses 'media: kAudio dir: kInput type: kMain' '0 count: 2'
check_buses 'media: kAudio dir: kInput type: kAux' '1 count: 2'
check_buses 'media: kAudio dir: kOutput type: kMain' \
    '0 count: 2,1 count: 2,2 count: 2,3 count: 2,4 count: 2'
check_buses 'media: kEvent dir: kInput type: kMain' '0 count: 8'
exit $failed

#!/usr/bin/env bash
# Starts the program on a virtual X display, types a schedule in as a user would, presses
# Enter for Calculate and takes a screenshot of the screen; fails when the picture is blank.
set -euo pipefail
program=$1
shot=$2
rm -f "$shot"
export PELLORY_SHOT="$shot"
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    set -euo pipefail
    "$0" &
    pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    win=""
    for _ in $(seq 100); do
        win=$(xdotool search --name "Pellory 1031 Depreciation Solution" 2>/dev/null | head -n 1 || true)
        [ -n "$win" ] && break
        sleep 0.1
    done
    [ -n "$win" ] || { echo "the main window did not appear"; exit 1; }
    sleep 0.5
    xdotool windowfocus --sync "$win"
    # From the asset type buttons: three tabs to the cost box.
    xdotool key --delay 40 Tab Tab Tab
    xdotool type --delay 40 "10000"
    xdotool key --delay 40 Tab
    xdotool type --delay 40 "M"
    xdotool key --delay 40 Tab
    xdotool type --delay 40 "03/2002"
    xdotool key --delay 40 Tab
    xdotool type --delay 40 "7"
    xdotool key --delay 40 Return
    sleep 0.7
    import -window root "$PELLORY_SHOT"
' "$program"
[ -s "$shot" ] || { echo "no screenshot was taken"; exit 1; }
# A blank screen has no spread of colours; the painted window has plenty.
spread=$(convert "$shot" -colorspace Gray -format "%[fx:standard_deviation]" info:)
echo "grey-level spread of the screenshot: $spread"
awk -v s="$spread" 'BEGIN { exit !(s > 0.05) }'
# The schedule was calculated: the status line and the first grid rows hold dark text on the
# window's light background, so the lower part of the window is not one flat colour.
colours=$(convert "$shot" -crop 700x300+290+430 -format "%k" info:)
echo "colours in the grid area: $colours"
[ "$colours" -gt 2 ]

#!/usr/bin/env bash
# Lumora, headless on a 1024 x 768 offscreen screen, works from a webcam video of a person who
# draws a red rectangle with the head, saves it and ends the program; it must end by itself,
# and the checker then looks at the drawing and the keystroke log.
#
#   camera_demo_test.sh LUMORA DEMOGEN DEMOCHECK SCREEN_JSON WORKDIR
set -euo pipefail
lumora=$1 demogen=$2 democheck=$3
screen=$(realpath "$4")
mkdir -p "$5"
work=$(realpath "$5")
limit_s=${LUMORA_DEMO_LIMIT:-300}

rm -rf "$work/video" "$work/run"
mkdir -p "$work/run"
"$demogen" "$work/video"
export QT_QPA_PLATFORM="offscreen:configfile=$screen"
# Qt's runtime folder in the scratch folder too, not under /tmp.
mkdir -p -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
# The person's calibration comes with the video: no calibration window.
status=0
XDG_CONFIG_HOME="$work/video/config" QVTRACK_CALIBRATION=keep QVTRACK_SPEED=1 \
    timeout -s TERM "$limit_s" "$lumora" --workdir "$work/run" --gaze "camera:$work/video/head.avi" \
    > "$work/lumora.log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    echo "lumora ended with status $status (124: it did not end by itself within $limit_s s)"
    cat "$work/lumora.log"
    exit 1
fi
"$democheck" "$work/run"

#!/usr/bin/env bash
# Lumora replays the demo recording (a house drawn, saved, and the program ended, all by gaze)
# and must end by itself within a bounded time; the checker then looks at the drawing, the
# keystroke log and the gaze data file it left.
#
#   demo_run_test.sh PLATFORM LUMORA DEMOCHECK SCREENGRAB RECORDING WORKDIR
#
# PLATFORM offscreen: headless, on a 1024 x 768 offscreen screen.
# PLATFORM xcb: a real X window on a virtual 1024 x 768 screen (Xvfb); a picture of the canvas
# is taken once the drawing is finished and before it is saved: WORKDIR/canvas-before-save.png.
# Without Xvfb the xcb case fails, naming what is missing.
set -euo pipefail
platform=$1 lumora=$2 democheck=$3 screengrab=$4
# Lumora works in its own folder: the recording's path must not depend on where we stand.
recording=$(realpath "$5")
mkdir -p "$6"
work=$(realpath "$6")
# Up to four times the recorded pace gives the same run; twice keeps the picture's moment wide.
speed=${LUMORA_DEMO_SPEED:-2}
limit_s=${LUMORA_DEMO_LIMIT:-300}

run_inside() {
    rm -rf "$work/run" "$work/canvas-before-save.png"
    mkdir -p "$work/run"
    QVTRACK_SPEED=$speed timeout -s TERM "$limit_s" "$lumora" --workdir "$work/run" --gaze "replay:$recording" \
        > "$work/lumora.log" 2>&1 &
    local pid=$! status=0
    if [ "$platform" = xcb ]; then
        # The stamp is the last thing drawn; the person then rests before choosing Save.
        local canvas
        canvas=$("$democheck" --canvas)
        while kill -0 "$pid" 2>/dev/null; do
            if grep -qsx "Stamp" "$work"/run/Lumora/Data/LMkey*.dat; then
                # shellcheck disable=SC2086
                "$screengrab" "$work/canvas-before-save.png" $canvas
                echo "canvas before saving: $work/canvas-before-save.png"
                break
            fi
            sleep 0.05
        done
    fi
    wait "$pid" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "lumora ended with status $status (124: it did not end by itself within $limit_s s)"
        cat "$work/lumora.log"
        return 1
    fi
    "$democheck" "$work/run" "$recording"
    if [ "$platform" = xcb ] && [ ! -s "$work/canvas-before-save.png" ]; then
        echo "FAIL: no picture of the canvas before saving"
        return 1
    fi
}

case "$platform" in
    offscreen)
        # The recording's screen: 1024 x 768.
        export QT_QPA_PLATFORM="offscreen:configfile=$(dirname "$recording")/screen-1024x768.json"
        run_inside
        ;;
    xcb)
        if [ -z "${LUMORA_DEMO_INSIDE_X:-}" ]; then
            command -v xvfb-run > /dev/null || { echo "FAIL: xvfb-run is missing (scripts/install-deps installs it)"; exit 1; }
            export LUMORA_DEMO_INSIDE_X=1
            exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$0" "$@"
        fi
        export QT_QPA_PLATFORM=xcb
        run_inside
        ;;
    *)
        echo "unknown platform $platform"
        exit 2
        ;;
esac

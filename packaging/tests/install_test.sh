#!/bin/sh
# Installs the build tree into a scratch prefix, then checks that the installed suite works from
# there: every program finds its libraries through its run path, and Lumora, started from an
# unrelated folder with a fresh per-user data folder, fills that folder with the shipped files
# and runs its gaze thread (it writes its gaze data file) until it is told to stop; and, in
# another fresh per-user folder, replays the demo recording (a house drawn, saved and the program
# ended by gaze) with the first-run settings it ships, ends by itself and leaves the house there.
#
# With PREFIX given, nothing is installed: the suite already installed there (a package unpacked,
# for instance) is checked instead.
#
# usage: install_test.sh BUILD_DIR WORK_DIR LUMORA_APP_ID QVSETTINGS_APP_ID [PREFIX]
set -u

build=$1
work=$2
lumora_id=$3
qvsettings_id=$4
prefix=${5:-$work/prefix}
# Bounded waits, in tenths of a second.
start_wait=300
stop_wait=100

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

rm -rf "$work/xdg" "$work/elsewhere" "$work/home"
mkdir -p "$work/xdg" "$work/elsewhere" "$work/home"

if [ $# -lt 5 ]; then
    rm -rf "$prefix"
    if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
        cat "$work/install.log"
        echo "FAIL: cmake --install"
        exit 1
    fi
fi

for f in bin/lumora bin/qvsettings bin/gazemon libexec/lumora/Calibrate libexec/lumora/CameraCalibrate \
    lib/lumora/libqvtrack.so lib/lumora/libqvfileio.so lib/lumora/libqvtrack-camera.so \
    share/applications/$lumora_id.desktop share/applications/$qvsettings_id.desktop \
    share/metainfo/$lumora_id.metainfo.xml share/metainfo/$qvsettings_id.metainfo.xml \
    share/icons/hicolor/scalable/apps/$lumora_id.svg share/icons/hicolor/scalable/apps/$qvsettings_id.svg; do
    [ -e "$prefix/$f" ] || fail "not installed: $f"
done
[ -d "$prefix/share/lumora/Lumora/Images" ] || fail "shipped pictures not installed"
[ -d "$prefix/share/lumora/Lumora/Sounds" ] || fail "shipped sounds not installed"
# Each language: both programs' catalogues and Lumora's spoken help in that language.
for code in de fr es it nl sv; do
    for f in translations/lumora_$code.qm translations/qvsettings_$code.qm \
        Lumora/Sounds/$code/openHelp.WAV Lumora/Sounds/$code/saveHelp.WAV; do
        [ -s "$prefix/share/lumora/$f" ] || fail "not installed: share/lumora/$f"
    done
done

# The build tree's own library folder must not be what the installed programs find.
[ -e "$prefix/bin/Calibrate" ] && fail "the calibration program is in the command path"
for p in bin/lumora bin/qvsettings bin/gazemon libexec/lumora/Calibrate libexec/lumora/CameraCalibrate \
    lib/lumora/libqvtrack-camera.so; do
    [ -x "$prefix/$p" ] || continue
    out=$(env -u LD_LIBRARY_PATH ldd "$prefix/$p" 2>&1)
    if echo "$out" | grep -q "not found"; then
        echo "$out"
        fail "$p: a library is not found"
    fi
    if echo "$out" | grep -q "$build/lib/"; then
        fail "$p: finds a library in the build tree"
    fi
done

if [ -x "$prefix/bin/lumora" ]; then
    cd "$work/elsewhere" || exit 1
    env -u LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$work/xdg" HOME="$work/home" \
        QVTRACK_SOURCE=pointer "$prefix/bin/lumora" >"$work/lumora.log" 2>&1 &
    pid=$!
    data=$work/xdg/lumora
    started=no
    i=0
    while [ $i -lt $start_wait ]; do
        if ls "$data"/Lumora/Data/LMdata*.dat >/dev/null 2>&1; then
            started=yes
            break
        fi
        kill -0 $pid 2>/dev/null || break
        sleep 0.1
        i=$((i + 1))
    done
    if kill -0 $pid 2>/dev/null; then
        kill -TERM $pid
        i=0
        while kill -0 $pid 2>/dev/null && [ $i -lt $stop_wait ]; do
            sleep 0.1
            i=$((i + 1))
        done
        if kill -0 $pid 2>/dev/null; then
            kill -KILL $pid
            fail "lumora did not stop on SIGTERM"
        fi
        wait $pid 2>/dev/null
    else
        wait $pid
        echo "lumora ended by itself with status $?"
        cat "$work/lumora.log"
        fail "lumora did not keep running"
    fi
    [ $started = yes ] || fail "no gaze data file in $data/Lumora/Data"
    # Every shipped file is in the per-user folder, byte for byte.
    shipped=$prefix/share/lumora
    for f in $(cd "$shipped" && find Lumora -type f); do
        cmp -s "$shipped/$f" "$data/$f" || fail "not copied to the per-user folder: $f"
    done
    [ -d "$data/Lumora/Drawings" ] || fail "no drawings folder in the per-user folder"
    [ -z "$(ls -A "$work/elsewhere")" ] || fail "lumora wrote into the folder it was started from"
fi

# The demo: the shipped first-run settings must let a gaze user draw from the first start.
recording=$(cd "$(dirname "$0")/../../data/demo" && pwd)/house.dat
democheck=$build/tools/lumora_democheck
if [ -x "$prefix/bin/lumora" ] && [ -x "$democheck" ]; then
    rm -rf "$work/xdg-demo"
    mkdir -p "$work/xdg-demo"
    cd "$work/elsewhere" || exit 1
    if env -u LD_LIBRARY_PATH QT_QPA_PLATFORM="offscreen:configfile=$(dirname "$recording")/screen-1024x768.json" \
        XDG_DATA_HOME="$work/xdg-demo" HOME="$work/home" QVTRACK_SPEED=4 \
        timeout 120 "$prefix/bin/lumora" --gaze "replay:$recording" >"$work/lumora-demo.log" 2>&1; then
        "$democheck" "$work/xdg-demo/lumora" "$recording" >"$work/democheck.log" ||
            { cat "$work/democheck.log"; fail "the demo did not go through in the installed Lumora"; }
    else
        cat "$work/lumora-demo.log"
        fail "the installed Lumora did not end the demo by itself"
    fi
else
    fail "no installed lumora or no $democheck"
fi

if [ $failures -ne 0 ]; then
    echo "$failures failed"
    exit 1
fi
echo "installed suite: all checks passed"

#!/usr/bin/env bash
# The language changes what a person sees, never what Lumora writes: the demo recording replayed
# in English and in German must leave the same drawing, the same keystroke log (but for the date
# in its first line) and the same gaze data file, byte for byte.
#
#   demo_languages_test.sh DEMO_RUN LUMORA DEMOCHECK SCREENGRAB RECORDING WORKDIR
#
# DEMO_RUN is the demo test's own script (tools/demo/tests/demo_run_test.sh), run headless once
# per language in WORKDIR/<language>.
set -euo pipefail
demo_run=$1 lumora=$2 democheck=$3 screengrab=$4 recording=$5
mkdir -p "$6"
work=$(realpath "$6")

# The German run must really be German: its catalogue where Lumora looks for it.
catalogue="$(dirname "$lumora")/../share/lumora/translations/lumora_de.qm"
if [ ! -s "$catalogue" ]; then
    echo "FAIL: no German catalogue at $catalogue"
    exit 1
fi

# The whole locale too: numbers and dates written with the user's conventions would show here.
declare -A locale=([en]=en_US.UTF-8 [de]=de_DE.UTF-8)
for language in en de; do
    # The desktop's language, as a user's session would give it; nothing else may decide.
    if ! env -u LC_ALL -u LC_MESSAGES LANGUAGE="$language" LANG="${locale[$language]}" \
        "$demo_run" offscreen "$lumora" "$democheck" "$screengrab" "$recording" "$work/$language" \
        > "$work/$language.log" 2>&1; then
        echo "FAIL: the $language run failed"
        cat "$work/$language.log"
        exit 1
    fi
done

# The one file of a kind a run left (their names carry the time of the run).
only() {
    local files=("$1"/$2)
    if [ ${#files[@]} -ne 1 ] || [ ! -f "${files[0]}" ]; then
        echo "FAIL: expected one $2 in $1, found: ${files[*]}" >&2
        return 1
    fi
    echo "${files[0]}"
}

status=0
for kind in "Drawings:*.bmp" "Data:LMkey*.dat" "Data:LMdata*.dat"; do
    folder=${kind%%:*} pattern=${kind#*:}
    english=$(only "$work/en/run/Lumora/$folder" "$pattern") || { status=1; continue; }
    german=$(only "$work/de/run/Lumora/$folder" "$pattern") || { status=1; continue; }
    case "$pattern" in
        LMkey*)
            # The first line ends with the date of the run.
            if ! cmp <(tail -n +2 "$english") <(tail -n +2 "$german"); then
                echo "FAIL: the keystroke logs differ"
                diff "$english" "$german" | head -20
                status=1
            fi
            ;;
        *)
            if ! cmp "$english" "$german"; then
                echo "FAIL: $(basename "$english") and $(basename "$german") differ"
                status=1
            fi
            ;;
    esac
done
[ "$status" -eq 0 ] && echo "the English and the German run wrote the same files"
exit "$status"

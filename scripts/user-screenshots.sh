#!/usr/bin/env bash
# Takes the screenshots of the user guide (docs/images/) of the real program under Xvfb:
# the start window, a position in input mode, its results, the calculation preview and
# the connector schedule window.
#
#   bash scripts/user-screenshots.sh [PROGRAM_DIR] [OUTPUT_DIR] [SCALE]
#
# PROGRAM_DIR defaults to build/release/bin, OUTPUT_DIR to docs/images. SCALE 2 takes the
# same pictures on a screen at 200 % (QT_SCALE_FACTOR=2), named with "-200" (input-200.png).
# Needs Xvfb, xdotool and ImageMagick (scripts/install-deps.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
bin=$(realpath "${1:-build/release/bin}")
ziel=$(realpath -m "${2:-docs/images}")
skala=${3:-1}
case "$skala" in
1) endung= ;;
2) endung=-200 ;;
*) echo "SCALE is 1 or 2" >&2; exit 2 ;;
esac
beispiele=$PWD/examples
mkdir -p "$ziel"

arbeit=$(mktemp -d "${TMPDIR:-/tmp}/vsk-bilder.XXXXXX")
pids=()
aufraeumen() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

# A user of their own, English texts, a settings file of their own.
export HOME=$arbeit XDG_CONFIG_HOME=$arbeit/.config LANG=C.UTF-8 LC_ALL=C.UTF-8
export QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$skala
unset LANGUAGE

Xvfb -displayfd 3 -screen 0 $((1280 * skala))x$((1024 * skala))x24 -nolisten tcp \
    3>"$arbeit/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$arbeit/display" ] && break; sleep 0.2; done
export DISPLAY=:$(head -1 "$arbeit/display")

titel='Tervo - VSK / VSKQ Shear Connectors'
fenster() { timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -1; }
bild() { # window, file: the window as it is now, after it has painted
    sleep 1.5
    local datei=$ziel/${2%.png}$endung.png
    import -window "$1" "$datei"
    echo "$datei"
}
# klick WINDOW X Y: a click at the point of the window at 100 %.
klick() { xdotool mousemove --window "$1" $(($2 * skala)) $(($3 * skala)) click 1; }

# starte PROJECT [splash]: starts vsk with the project and passes the start window; the
# main window is then $haupt, the program $vsk.
starte() {
    "$bin/vsk" "$1" >>"$arbeit/vsk.log" 2>&1 &
    vsk=$!
    pids+=("$vsk")
    local start
    start=$(fenster "^$titel\$")
    [ "${2:-}" = splash ] && bild "$start" start-window.png
    xdotool windowfocus --sync "$start" key Return
    haupt=$(fenster "^$titel: ")
    # Fixed place and size, so that the clicks below hit the buttons.
    xdotool windowmove --sync "$haupt" 0 0 windowsize --sync "$haupt" $((1100 * skala)) \
        $((760 * skala))
}

starte "$beispiele/row.VSK" splash
bild "$haupt" input.png
klick "$haupt" 85 692 # Calculation
bild "$haupt" results.png
klick "$haupt" 85 718 # Calculation Preview
bild "$haupt" preview.png
kill "$vsk"

starte "$beispiele/multi.VSK"
klick "$haupt" 354 8 # the Connector Schedule menu
sleep 0.5
klick "$haupt" 400 29 # Display Connector Schedule
liste=$(fenster "Connector Schedule")
bild "$liste" schedule.png

[ "$skala" = 1 ] || exit 0
# The top of the project report's summary page (multi.VSK), as pdftoppm renders it.
QT_QPA_PLATFORM=offscreen "$bin/vsk-cli" report "$beispiele/multi.VSK" --all \
    --pdf "$arbeit/project-report.pdf" >/dev/null
pdftoppm -r 90 -png -f 1 -l 1 -W 744 -H 330 -singlefile "$arbeit/project-report.pdf" \
    "$ziel/project-report"
echo "$ziel/project-report.png"

#!/usr/bin/env bash
# Takes the screenshots of the user guide (docs/images/) of the real program under Xvfb:
# the start window, a position in input mode, its results, the calculation preview, the
# arbitrary-load window after importing a spreadsheet's points, the connector schedule
# window and its export dialog with the spreadsheet types.
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
# The file dialogs start in the working folder: an empty one of the user's.
mkdir -p "$arbeit/Documents"
cd "$arbeit/Documents"

Xvfb -displayfd 3 -screen 0 $((1280 * skala))x$((1024 * skala))x24 -nolisten tcp -noreset \
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
ausschnitt() { # window, file: the screen where the window is, with its pop-ups
    sleep 1.5
    eval "$(xdotool getwindowgeometry --shell "$1")"
    local datei=$ziel/${2%.png}$endung.png
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$datei"
    echo "$datei"
}

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

# The points of a German-locale spreadsheet imported into the arbitrary-load window, and
# the table's menu.
starte "$beispiele/wall-arbitrary.VSK"
printf '%s\r\n' 'x [m];q [kN/m]' '0;62,4' '0,15;88,1' '0,3;104,6' '0,45;112,3' '0,6;109,8' \
    '0,75;97,2' '0,9;81,5' '1,045;70,9' >"$arbeit/lastverlauf.csv"
klick "$haupt" 452 376 # Arbitrary
last=$(fenster '^Entry of arbitrary transverse force distribution$')
xdotool windowmove --sync "$last" 300 200
xdotool mousemove --window "$last" 60 240 click 3 # the table's menu
sleep 0.5
xdotool key i # Import points from file...
fenster '^Import points from file$' >/dev/null
sleep 1
xdotool type --delay 20 "$arbeit/lastverlauf.csv"
xdotool key Return
sleep 1
xdotool key Return # Yes, replace the points
sleep 0.5
xdotool mousemove --window "$last" 100 280 click 3
ausschnitt "$last" arbitrary-load-paste.png
kill "$vsk"

starte "$beispiele/multi.VSK"
klick "$haupt" 354 8 # the Connector Schedule menu
sleep 0.5
klick "$haupt" 400 29 # Display Connector Schedule
liste=$(fenster "Connector Schedule")
bild "$liste" schedule.png
klick "$liste" 134 580 # Preview
sleep 1
klick "$liste" 219 580 # Export
dialog=$(fenster "Export Connector Schedule")
xdotool windowmove --sync "$dialog" 100 100
klick "$dialog" 310 388 # Files of type
sleep 0.5
xdotool key End Return
sleep 0.5
klick "$dialog" 310 388
ausschnitt "$dialog" schedule-export.png

[ "$skala" = 1 ] || exit 0
# The top of the project report's summary page (multi.VSK), as pdftoppm renders it.
QT_QPA_PLATFORM=offscreen "$bin/vsk-cli" report "$beispiele/multi.VSK" --all \
    --pdf "$arbeit/project-report.pdf" >/dev/null
pdftoppm -r 90 -png -f 1 -l 1 -W 744 -H 330 -singlefile "$arbeit/project-report.pdf" \
    "$ziel/project-report"
echo "$ziel/project-report.png"

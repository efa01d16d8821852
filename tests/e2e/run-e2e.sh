#!/usr/bin/env bash
# End-to-end check of the Debian package, as a user meets it: builds the package from a
# finished build, unpacks it into a scratch root, checks its contents and manual pages,
# runs the installed vsk-cli on the example projects and checks every output, then starts
# the installed vsk under Xvfb with an example project and checks the main window.
#
#   bash tests/e2e/run-e2e.sh [BUILD_DIR]      (default build/release, built already)
#
# Nothing outside a temporary folder is touched (VSK_E2E_KEEP=1 keeps it). Exit status 0
# when every check passed, 1 otherwise; each failed check is printed.
set -uo pipefail

cd "$(dirname "$0")/../.."
quelle=$PWD
build=$(realpath "${1:-build/release}")
py=/usr/bin/python3

arbeit=$(mktemp -d "${TMPDIR:-/tmp}/vsk-e2e.XXXXXX")
xvfb_pid=""
vsk_pid=""
aufraeumen() {
    [ -n "$vsk_pid" ] && kill "$vsk_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    if [ "${VSK_E2E_KEEP:-0}" = 1 ]; then
        echo "e2e: files kept in $arbeit"
    else
        chmod -R u+w "$arbeit" 2>/dev/null
        rm -rf "$arbeit"
    fi
}
trap aufraeumen EXIT

fehler=0
ok() { echo "  ok    $*"; }
fehlt() {
    echo "  FAIL  $*" >&2
    fehler=$((fehler + 1))
}
# check "what" command...: a check passes when the command succeeds.
check() {
    local was=$1
    shift
    if "$@" >"$arbeit/check.log" 2>&1; then
        ok "$was"
    else
        fehlt "$was"
        sed 's/^/        /' "$arbeit/check.log" >&2
    fi
}
fertig() {
    if [ "$fehler" -gt 0 ]; then
        echo "e2e: $fehler check(s) failed" >&2
        exit 1
    fi
    echo "e2e: all checks passed"
    exit 0
}

for werkzeug in cpack dpkg-deb readelf xmllint pdftotext pdfinfo Xvfb xdotool import identify groff ps; do
    if ! command -v "$werkzeug" >/dev/null; then
        echo "e2e: $werkzeug is missing (bash scripts/install-deps.sh installs it)" >&2
        exit 1
    fi
done

# --- The package -----------------------------------------------------------------------
echo "e2e: Debian package"
if ! (cd "$build" && cpack -G DEB -B "$arbeit/paket") >"$arbeit/cpack.log" 2>&1; then
    cat "$arbeit/cpack.log" >&2
    echo "e2e: cpack failed" >&2
    exit 1
fi
deb=$(ls "$arbeit"/paket/vsk_*.deb 2>/dev/null | head -1)
if [ -z "$deb" ]; then
    echo "e2e: cpack wrote no vsk_*.deb" >&2
    exit 1
fi
ok "built $(basename "$deb") ($(du -h "$deb" | cut -f1))"

dpkg-deb -c "$deb" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }' >"$arbeit/inhalt"
for pfad in ./opt/vsk/bin/vsk ./opt/vsk/bin/vsk-cli ./opt/vsk/bin/start \
    "./opt/vsk/bin/VSK Manual.pdf" ./opt/vsk/bin/help/ "./opt/vsk/bin/CAD files/" \
    ./opt/vsk/bin/vsk.des ./opt/vsk/bin/start.des \
    "./usr/bin/vsk -> /opt/vsk/bin/vsk" "./usr/bin/vsk-cli -> /opt/vsk/bin/vsk-cli" \
    ./usr/share/applications/vsk.desktop ./usr/share/mime/packages/vsk.xml \
    ./usr/share/icons/hicolor/48x48/apps/vsk.png ./usr/share/icons/hicolor/scalable/apps/vsk.svg \
    ./usr/share/man/man1/vsk-cli.1.gz ./usr/share/man/man1/vsk.1.gz \
    ./usr/share/doc/vsk/examples/multi.VSK; do
    check "package holds $pfad" grep -qxF "$pfad" "$arbeit/inhalt"
done

depends=$(dpkg-deb -f "$deb" Depends)
for paket in libqt6widgets6 libqt6printsupport6 libqt6svg6 libxml2 libemf1 fonts-liberation; do
    check "depends on $paket" grep -q "\b$paket\b" <<<"$depends"
done
# Every dependency is a package Debian has (installed here, or known to apt): names that
# apt cannot resolve would make "apt install ./vsk_*.deb" fail on a user's machine.
unbekannt=""
IFS=',' read -ra abh <<<"$depends"
for a in "${abh[@]}"; do
    name=$(sed -E 's/^ *//; s/[ (|].*//' <<<"$a")
    dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed" ||
        apt-cache show --no-all-versions "$name" >/dev/null 2>&1 ||
        unbekannt+=" $name"
done
check "every dependency is a Debian package${unbekannt:+ (unknown:$unbekannt)}" test -z "$unbekannt"

wurzel=$arbeit/wurzel
dpkg-deb -x "$deb" "$wurzel"
bin=$wurzel/opt/vsk/bin
beispiele=$wurzel/usr/share/doc/vsk/examples
# As installed: the program folder cannot be written (root may write it all the same).
chmod -R a-w "$wurzel/opt/vsk"
check "installed programs find their libraries" \
    bash -c "! ldd '$bin/vsk' '$bin/vsk-cli' '$bin/start' | grep -q 'not found'"
check "installed programs carry no search path into the build folder" \
    bash -c "! readelf -d '$bin/vsk' '$bin/vsk-cli' '$bin/start' | grep -E 'R(UN)?PATH' | grep -qF '$build'"
check "mime type is valid XML" xmllint --noout "$wurzel/usr/share/mime/packages/vsk.xml"
if command -v desktop-file-validate >/dev/null; then
    check "desktop entry is valid" desktop-file-validate "$wurzel/usr/share/applications/vsk.desktop"
fi

# A user of their own: fresh home, English texts, no settings file yet.
export HOME=$arbeit/home XDG_CONFIG_HOME=$arbeit/home/.config LANG=C.UTF-8 LC_ALL=C.UTF-8
unset LANGUAGE
mkdir -p "$HOME"
cd "$arbeit"
cli="$bin/vsk-cli"

# --- Manual pages ----------------------------------------------------------------------
echo "e2e: manual pages"
for seite in vsk vsk-cli; do
    gzip -dc "$wurzel/usr/share/man/man1/$seite.1.gz" >"$arbeit/$seite.1"
    check "$seite(1) formats without warnings" \
        bash -c "groff -man -Tutf8 -ww -z '$arbeit/$seite.1' 2>&1 | (! grep .)"
done
QT_QPA_PLATFORM=offscreen "$cli" --help >"$arbeit/hilfe.txt" 2>&1
check "vsk-cli(1) describes every command and option of vsk-cli --help" \
    "$py" - "$arbeit/hilfe.txt" "$arbeit/vsk-cli.1" <<'EOF'
import re, sys
hilfe = open(sys.argv[1]).read()
seite = open(sys.argv[2]).read().replace("\\-", "-")
seite = re.sub(r"\\f[BIRP]", "", seite)
woerter = set(re.findall(r"^  ([a-z][a-z-]+)", hilfe, re.M))
woerter |= set(re.findall(r"(?:^|[\s\[|])(--?[a-z](?:[a-z-]*[a-z])?)", hilfe, re.M))
assert len(woerter) > 10, f"--help lists only {sorted(woerter)}"
fehlen = sorted(w for w in woerter
                if not re.search(r"(?<![\w-])" + re.escape(w) + r"(?![\w-])", seite))
assert not fehlen, f"not in vsk-cli(1): {fehlen}"
EOF
# --- vsk-cli on the examples -----------------------------------------------------------
echo "e2e: vsk-cli"
for f in "$beispiele"/*.VSK; do
    check "check $(basename "$f")" bash -c "'$cli' check '$f' | grep -q 'read completely'"
done
check "unknown command is a usage error (2)" bash -c "'$cli' frobnicate; test \$? -eq 2"
check "missing file is a file error (1)" bash -c "'$cli' check '$arbeit/none.VSK'; test \$? -eq 1"

if "$cli" design "$beispiele/multi.VSK" --json >design.json 2>design.err; then
    check "design --json: every position designed, recommended type carries its load" \
        "$py" - design.json <<'EOF'
import json, sys
d = json.load(open(sys.argv[1]))
ps = d["positions"]
assert len(ps) == 3, f"{len(ps)} positions, expected 3"
for p in ps:
    assert p["calculated"], f"position {p['number']} not calculated: {p['hints']}"
    assert len(p["types"]) == 19, f"position {p['number']}: {len(p['types'])} types"
    t = p["types"][p["TAktDorn"]]
    assert t["TStatus"] == 0, f"position {p['number']}: recommended {t['name']} has status {t['TStatus']}"
    assert 0 < t["TEtaQ"] <= 1, f"position {p['number']}: usage {t['TEtaQ']}"
    assert t["TFRd"] >= t["TFSdIst"] > 0, f"position {p['number']}: VRd {t['TFRd']} < VSd {t['TFSdIst']}"
    assert t["TAnzDorn"] >= 1
    print(p["number"], p["TPosition"], t["name"], t["TAnzDorn"])
EOF
else
    fehlt "design --json multi.VSK"
    cat design.err >&2
fi
empfohlen=$("$py" -c 'import json,sys; p=json.load(open("design.json"))["positions"][0]; print(p["types"][p["TAktDorn"]]["name"])' 2>/dev/null)

check "report --pdf row.VSK" "$cli" report "$beispiele/row.VSK" --pdf report.pdf
if [ -s report.pdf ]; then
    pdftotext -layout report.pdf report.txt
    check "report: A4 pages" bash -c "pdfinfo report.pdf | grep -q 'Page size: .*(A4)'"
    for text in "Office building" "Row of shear connectors - connection slab to slab" \
        "Joint length" "Calculation for VSK"; do
        check "report shows \"$text\"" grep -qF "$text" report.txt
    done
fi
check "report --position 1 --pdf multi.VSK names $empfohlen" \
    bash -c "'$cli' report '$beispiele/multi.VSK' --position 1 --pdf multi.pdf &&
             pdftotext multi.pdf - | grep -qF '$empfohlen'"

for f in row wall-arbitrary single; do
    check "dxf $f.VSK: ezdxf reads and audits it without errors" bash -c "
        '$cli' dxf '$beispiele/$f.VSK' -o '$f.dxf' &&
        '$py' -c '
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
a = doc.audit()
assert not a.has_errors, [str(e.message) for e in a.errors]
n = len(doc.modelspace())
assert n > 20, f\"only {n} entities\"
' '$f.dxf'"
done

check "schedule multi.VSK --txt --pdf" \
    "$cli" schedule "$beispiele/multi.VSK" --txt schedule.txt --pdf schedule.pdf
if [ -s schedule.txt ]; then
    check "schedule text: CR LF lines, one supply item per entry in its columns" \
        "$py" - schedule.txt <<'EOF'
import re, sys
raw = open(sys.argv[1], "rb").read()
assert raw.endswith(b"\r\n") and raw.count(b"\n") == raw.count(b"\r\n"), "not CR LF"
lines = raw.decode("utf-8").split("\r\n")
assert lines[0] == "Tervo - VSK / VSKQ Shear Connector" and lines[1] == "Connector Schedule"
assert lines.count("-" * 80) == 5, "not 2 header rules and 3 item rules"
items = [l for l in lines if "Shear connectors to transverse force transmission" in l]
assert [l[:5] for l in items] == ["    1", "    2", "    3"], items
names = [l.strip() for l in lines if "Position(s):" in l]
assert names == ["Position(s): " + n for n in ("Balcony east", "Stair landing", "Lift shaft wall")], names
mengen = [l for l in lines if "    Type: " in l]
assert len(mengen) == 3, mengen
for l in mengen:
    assert re.fullmatch(r" *\d+    Type: VSKQ? \d+", l) and l.index("    Type") == 15, l
assert mengen[0].split()[0] == "12", "Balcony east: 4 similar positions of 3 connectors"
EOF
    check "schedule PDF lists the positions" \
        bash -c "pdftotext schedule.pdf - | grep -q 'Balcony east' && pdftotext schedule.pdf - | grep -q 'Lift shaft wall'"
fi
check "sketch --kind view row.VSK is a picture" \
    bash -c "'$cli' sketch '$beispiele/row.VSK' --kind view -o view.png &&
             test \$(identify -format %k view.png) -gt 8"
check "vsk-cli wrote nothing into the program folder" \
    bash -c "test -z \"\$(find '$wurzel/opt/vsk' -newer '$deb' -type f)\""

# --- vsk under Xvfb --------------------------------------------------------------------
echo "e2e: vsk under Xvfb"
# warte SECONDS COMMAND...: retries the command until it succeeds, at most SECONDS.
warte() {
    local ende=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -ge $ende ] && return 1
        sleep 0.3
    done
}
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$arbeit/display" \
    >"$arbeit/xvfb.log" 2>&1 &
xvfb_pid=$!
if ! warte 20 test -s "$arbeit/display"; then
    cat "$arbeit/xvfb.log" >&2
    fehlt "Xvfb did not start"
    fertig
fi
export DISPLAY=:$(head -1 "$arbeit/display")
projekt=$beispiele/row.VSK
titel='Tervo - VSK / VSKQ Shear Connectors'
QT_QPA_PLATFORM=xcb "$bin/vsk" "$projekt" >"$arbeit/vsk.log" 2>&1 &
vsk_pid=$!

splash_da() { xdotool search --onlyvisible --name "^$titel\$"; }
haupt_da() { xdotool search --onlyvisible --name "^$titel: "; }
if warte 30 splash_da; then
    ok "the start window comes first"
    # Its default button starts the program; there is no window manager to give it the
    # focus, so give it, press Return, and again while it is still there.
    ende=$((SECONDS + 30))
    while ! haupt_da >/dev/null 2>&1 && [ $SECONDS -lt $ende ]; do
        w=$(splash_da | head -1)
        [ -n "$w" ] && xdotool windowfocus --sync "$w" key Return >/dev/null 2>&1
        sleep 1
    done
else
    fehlt "no start window within 30 s"
fi
haupt=$(haupt_da | head -1)
if [ -n "$haupt" ]; then
    name=$(xdotool getwindowname "$haupt")
    check "main window caption shows the project" test "$name" = "$titel: $projekt"
    sleep 2 # let it paint
    import -window root "$arbeit/bildschirm.png"
    import -window "$haupt" "$arbeit/hauptfenster.png"
    farben=$(identify -format %k "$arbeit/hauptfenster.png")
    groesse=$(identify -format '%w %h' "$arbeit/hauptfenster.png")
    check "main window is not blank ($farben colours, ${groesse/ /x})" \
        bash -c "test $farben -ge 64 && test ${groesse% *} -ge 640 && test ${groesse#* } -ge 480"
    # A change (Project -> Add Position, by its access keys) marks the caption with " *";
    # Exit (Alt+F4) then asks whether to save, No ends the program, which writes its settings.
    xdotool windowfocus --sync "$haupt" key alt+p a >/dev/null 2>&1
    markiert() { xdotool getwindowname "$haupt" | grep -q ' \*$'; }
    if warte 10 markiert; then
        ok "a change marks the caption with *"
    else
        fehlt "no * in the caption after a change"
    fi
    xdotool windowfocus --sync "$haupt" key alt+F4 >/dev/null 2>&1
    frage_da() { xdotool search --onlyvisible --name "^Tervo - VSK / VSKQ" | grep -vx "$haupt"; }
    if warte 10 frage_da; then
        ok "Exit asks whether to save"
        xdotool windowfocus --sync "$(frage_da | head -1)" key n >/dev/null 2>&1
    else
        fehlt "Exit asked nothing"
    fi
    if warte 15 bash -c "! ps -o stat= -p $vsk_pid | grep -qv Z"; then
        wait "$vsk_pid"
        status=$?
        vsk_pid=""
        check "vsk ends with status 0 (was $status)" test "$status" -eq 0
        check "settings file written" \
            bash -c "test -s '$XDG_CONFIG_HOME/VSK/vsk.INI' || test -s '$bin/vsk.INI'"
    else
        fehlt "vsk did not end within 15 s of Exit"
    fi
else
    fehlt "no main window within 30 s"
    import -window root "$arbeit/bildschirm.png" 2>/dev/null
fi
if [ -n "$vsk_pid" ] && ! ps -o stat= -p "$vsk_pid" | grep -qv Z; then
    fehlt "vsk ended early"
    vsk_pid=""
fi
if [ "$fehler" -gt 0 ]; then
    sed 's/^/  vsk: /' "$arbeit/vsk.log" >&2
    [ -s "$arbeit/bildschirm.png" ] && cp "$arbeit/bildschirm.png" "$quelle/build/e2e-screen.png" 2>/dev/null &&
        echo "e2e: screen saved as build/e2e-screen.png" >&2
fi
# --- A real installation (CI only: VSK_E2E_APT=1, as root on a throw-away machine) -------
if [ "${VSK_E2E_APT:-0}" = 1 ] && [ "$(id -u)" = 0 ]; then
    echo "e2e: apt-get install of the package"
    if DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" \
        >"$arbeit/apt.log" 2>&1; then
        ok "apt-get install ./$(basename "$deb")"
        check "vsk-cli on the PATH writes the report" \
            bash -c "cd '$arbeit' && vsk-cli report /usr/share/doc/vsk/examples/row.VSK --pdf r.pdf &&
                     pdftotext r.pdf - | grep -q 'Calculation for VSK'"
        if command -v man >/dev/null; then
            check "man finds vsk-cli(1)" man -w vsk-cli
        fi
        check "the MIME database knows project files" \
            test -f /usr/share/mime/application/x-vsk-project.xml
        check "the desktop database opens project files with vsk" \
            grep -q '^application/x-vsk-project=.*vsk.desktop' /usr/share/applications/mimeinfo.cache
        # The launcher on the PATH opens a project, as a double click on it does.
        QT_QPA_PLATFORM=xcb vsk /usr/share/doc/vsk/examples/row.VSK >"$arbeit/vsk-apt.log" 2>&1 &
        vsk_pid=$!
        # The caption with the project, once the start window has been passed; a busy
        # machine may take its time.
        geoeffnet() {
            local w
            w=$(haupt_da | head -1)
            [ -n "$w" ] && xdotool getwindowname "$w" 2>/dev/null |
                grep -qxF "$titel: /usr/share/doc/vsk/examples/row.VSK"
        }
        ende=$((SECONDS + 60))
        while ! geoeffnet && [ $SECONDS -lt $ende ]; do
            w=$(splash_da | head -1)
            [ -n "$w" ] && xdotool windowfocus --sync "$w" key Return >/dev/null 2>&1
            sleep 1
        done
        if geoeffnet; then
            ok "the installed vsk opens /usr/share/doc/vsk/examples/row.VSK"
        else
            fehlt "the installed vsk opens /usr/share/doc/vsk/examples/row.VSK"
            xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | sed 's/^/        window: /' >&2
            sed 's/^/        vsk: /' "$arbeit/vsk-apt.log" >&2
        fi
        kill "$vsk_pid" 2>/dev/null
        wait "$vsk_pid" 2>/dev/null
        vsk_pid=""
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq vsk >"$arbeit/apt.log" 2>&1
        # What the program wrote beside itself (root may write there) goes with it.
        rm -f /opt/vsk/bin/vsk.INI
        rmdir /opt/vsk/bin /opt/vsk 2>/dev/null || true
        check "apt-get purge removes the program" test ! -e /opt/vsk/bin/vsk
    else
        fehlt "apt-get install ./$(basename "$deb")"
        sed 's/^/        /' "$arbeit/apt.log" >&2
    fi
fi
fertig

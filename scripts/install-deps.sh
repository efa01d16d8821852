#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need (run as root).
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-translations-l10n libgl-dev
    libxml2-dev libxml2-utils nlohmann-json3-dev libemf-dev libxlsxwriter-dev libqpdf-dev qpdf
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation xvfb xauth
    python3 python3-ezdxf python3-openpyxl python3-jsonschema poppler-utils dime
    xdotool imagemagick desktop-file-utils groff-base procps
    inkscape
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Node.js and npm run the IFC model check (web-ifc from npm); a machine may have them from
# another source already, whose node package brings npm with it.
command -v node >/dev/null 2>&1 || missing+=(nodejs)
command -v npm >/dev/null 2>&1 || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

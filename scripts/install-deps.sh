#!/usr/bin/env bash
# Installs, from Debian 12's own packages, whatever the build, the tests and the program still lack.
# Safe to run again: when everything is present it only checks.
set -euo pipefail

packages=(
    # toolchain
    cmake ninja-build g++ ccache pkg-config
    # Qt 6: base (Core, Gui, Widgets, Sql, Network, Test), SQLite driver, linguist tools,
    # Qt's own translations
    qt6-base-dev qt6-base-private-dev libqt6sql6-sqlite
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    # Qt Charts for the report charts (CMake does not find it without the OpenGL package)
    qt6-charts-dev libqt6opengl6-dev
    # desktop integration and the .deb: icons rendered from the SVG, the validators of the
    # desktop entry, AppStream metadata and man pages, dpkg-shlibdeps for the package's Depends
    librsvg2-bin desktop-file-utils appstream man-db groff-base dpkg-dev file
    # ZIP archives for backups; SQLite's C API for the benchmarks' raw baseline
    libzip-dev libsqlite3-dev
    # running without a display, and fonts for it
    xvfb xauth fontconfig fonts-dejavu-core
    # a Japanese font, so that the Japanese interface shows its text rather than boxes
    fonts-noto-cjk
    # ledgerwell-server: HTTP server (needs the WebSockets package for CMake to find it), the
    # PostgreSQL driver and a PostgreSQL 15 for its tests, libsodium for password hashing
    qt6-httpserver-dev qt6-websockets-dev libqt6sql6-psql postgresql libsodium-dev
    # sign-in token store over the Secret Service, and a headless keyring for its test
    qtkeychain-qt6-dev dbus-x11 gnome-keyring
    # the end-to-end sign-in test in a real (headless) browser
    chromium chromium-driver python3-selenium
    # screenshots of dialogs under a window manager (scripts/screenshot-updates.sh)
    openbox imagemagick xdotool
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ "${#missing[@]}" -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"

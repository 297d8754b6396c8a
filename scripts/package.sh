#!/usr/bin/env bash
# Builds the Debian package (build/ledgerwell_<version>_<arch>.deb) from ./build, then checks that
# it holds the programs and desktop files and depends on what the program loads at run time.
# Install it with: apt install ./build/ledgerwell_*.deb
#
# --install-check then installs it on this machine (dpkg -i, apt-get -f install), starts the
# installed programs once without a display, and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."
install_check=false
if [ "${1:-}" = "--install-check" ]; then
    install_check=true
fi
bash scripts/install-deps.sh
bash scripts/build.sh
cd build
cpack -G DEB > cpack.log 2>&1 || { cat cpack.log; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' CMakeCache.txt)
deb="ledgerwell_${version}_$(dpkg --print-architecture).deb"

contents=$(dpkg-deb -c "$deb")
paths=(usr/bin/ledgerwell usr/bin/ledgerwell-cli
    usr/share/applications/com.varnaby.Ledgerwell.desktop
    usr/share/metainfo/com.varnaby.Ledgerwell.metainfo.xml
    usr/share/icons/hicolor/512x512/apps/com.varnaby.Ledgerwell.png
    usr/share/icons/hicolor/scalable/apps/com.varnaby.Ledgerwell.svg
    usr/share/man/man1/ledgerwell.1.gz usr/share/man/man1/ledgerwell-cli.1.gz)
if [ -x bin/ledgerwell-server ]; then
    paths+=(usr/bin/ledgerwell-server usr/share/man/man1/ledgerwell-server.1.gz)
fi
for path in "${paths[@]}"; do
    grep -q " \./$path\$" <<< "$contents" || { echo "package.sh: $deb lacks /$path" >&2; exit 1; }
done
# Found by dpkg-shlibdeps (Qt's libraries), and named by hand (the SQLite driver plugin).
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6widgets6 libqt6sql6 libzip4 libqt6sql6-sqlite; do
    grep -Eq "(^|, )$package( |,|\$)" <<< "$depends" \
        || { echo "package.sh: $deb does not depend on $package: $depends" >&2; exit 1; }
done
dpkg-deb -f "$deb" Package Version Architecture Depends Recommends Installed-Size
echo "Built build/$deb"

if $install_check; then
    if dpkg-query -W -f='${Status}' ledgerwell 2>/dev/null | grep -q "install ok installed"; then
        echo "package.sh: ledgerwell is installed already; not checking over it" >&2
        exit 1
    fi
    data=$(mktemp -d)
    trap 'dpkg -r ledgerwell > /dev/null 2>&1 || true; rm -rf "$data"' EXIT
    dpkg -i "$deb" > /dev/null || true
    DEBIAN_FRONTEND=noninteractive apt-get -f install -y -qq > /dev/null
    printf '!Type:Bank\nD1/5/2024\nT-5.00\nPGrocer\n^\n' > "$data/march.qif"
    QT_QPA_PLATFORM=offscreen LEDGERWELL_QUIT_WHEN_IDLE=1 LEDGERWELL_DATA_DIR="$data/db" \
        /usr/bin/ledgerwell "$data/march.qif" 2> /dev/null
    test -s "$data/db/ledgerwell.db"
    /usr/bin/ledgerwell-cli --help > /dev/null
    LEDGERWELL_DATA_DIR="$data/db" /usr/bin/ledgerwell-cli accounts > /dev/null
    man -w ledgerwell-cli > /dev/null
    echo "Installed, started offscreen and removed again: $deb"
fi

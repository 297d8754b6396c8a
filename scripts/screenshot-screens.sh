#!/usr/bin/env bash
# The everyday windows as a user meets them, on a small screen, a large one and a large one at
# twice the scale, in the light and the dark theme: the real program under Xvfb and openbox on
# the sample data, driven by keys as a person types them. Shows the main window with its
# register, the reports (spending pie and cash flow), the categories, the import window with a
# bank's CSV file (30 rows, a header and one date in the wrong form) and with a QIF file, and the
# preferences. Writes every image into the folder given as the first argument (default
# build/screens) as <window>-<screen>-<theme>.png and copies the few in `kept` to
# docs/screenshots, and the main window alone on the large screen to docs/screenshot.png.
# Needs a build (scripts/build.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb-session.sh
display=":${SCREENSHOT_DISPLAY:-8}"
out=$(realpath -m "${1:-build/screens}")
mkdir -p "$out"
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

data="$work/data"
mkdir -p "$data"
export LEDGERWELL_DATA_DIR="$data"
build/bin/ledgerwell-cli sample load > /dev/null

# A bank's export: a header, 29 readable rows and one whose date is in another form.
{
    echo "Date,Description,Amount"
    for i in $(seq 1 29); do
        day=$(date -d "today - $((i * 2)) days" +%m/%d/%Y)
        case $((i % 4)) in
            0) echo "$day,PAYROLL DEPOSIT ACME CORP,2150.00" ;;
            1) echo "$day,CORNER GROCERY #112,-$((20 + i)).45" ;;
            2) echo "$day,\"CITY WATER, SEWER\",-$((40 + i)).10" ;;
            3) echo "$day,COFFEE ROASTERS,-$((3 + i % 7)).75" ;;
        esac
        [ "$i" -eq 6 ] && echo "$(date -d 'today - 13 days' +%Y.%m.%d),ATM WITHDRAWAL,-60.00"
    done
} > "$work/bank-export.csv"
# A QIF file from another program: one bank account, 24 records.
{
    echo "!Type:Bank"
    for i in $(seq 1 24); do
        echo "D$(date -d "today - $((i * 3)) days" +%m/%d/%Y)"
        case $((i % 3)) in
            0) printf 'PHarbor Electric\nT-%d.20\nLUtilities:Electric\n' $((60 + i)) ;;
            1) printf 'PFresh Market\nT-%d.35\nLFood:Groceries\n' $((30 + i)) ;;
            2) printf 'PEmployer Inc\nT1875.00\nLSalary\nMPay period %d\n' "$i" ;;
        esac
        echo "^"
    done
} > "$work/other-program.qif"

find_window() { # title -> window id, waiting up to 20 s
    local id
    for _ in $(seq 40); do
        id=$(DISPLAY="$display" xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.5
    done
    echo "screenshot-screens.sh: no window '$1' appeared" >&2
    return 1
}
key() { DISPLAY="$display" xdotool key --clearmodifiers "$@"; sleep 0.6; }
type_text() { DISPLAY="$display" xdotool type --delay 20 "$1"; sleep 0.4; }
shoot() { # name: the whole screen, so that the frame and its place on the screen show
    sleep 1.5
    DISPLAY="$display" /usr/bin/import -window root "$out/$1-$tag-$theme.png"
}
close_window() { key alt+F4; sleep 0.5; }
click_cash_flow() { # reports window: a click on the "Cash Flow" tab, the fourth
    DISPLAY="$display" xdotool mousemove --window "$1" $((400 * scale)) $((85 * scale)) click 1
    sleep 0.4
}
choose_file() { # path: Browse... (focused), then the path typed into the file dialog
    key space
    find_window "Select File" > /dev/null
    key ctrl+a
    type_text "$1"
    key Return
}

walk() { # screen size, scale, tag
    local size=$1
    scale=$2
    tag=$3
    xvfb_session_start "$size"
    for theme in light dark; do
        sqlite3 "$data/ledgerwell.db" \
            "INSERT OR REPLACE INTO preferences(key, value) VALUES('theme', '$theme')"
        rm -rf "$work/config"
        DISPLAY="$display" XDG_CONFIG_HOME="$work/config" QT_SCALE_FACTOR="$scale" \
            build/bin/ledgerwell > "$work/app.log" 2>&1 &
        app=$!
        main=$(find_window "Varnaby Ledgerwell")
        DISPLAY="$display" xdotool windowactivate --sync "$main"
        shoot main
        DISPLAY="$display" /usr/bin/import -window "$main" "$out/window-main-$tag-$theme.png"

        key ctrl+2
        reports=$(find_window "Reports")
        shoot reports-pie
        click_cash_flow "$reports"
        shoot reports-cashflow
        close_window

        key ctrl+4
        find_window "Categories" > /dev/null
        shoot categories
        close_window

        key alt+f i # File > Import... (in the register Ctrl+I inserts a line)
        find_window "Import Transactions" > /dev/null
        key alt+f Tab Tab # Format (CSV, checked by the mnemonic), Account, Browse...
        choose_file "$work/bank-export.csv"
        shoot import-csv
        key shift+Tab shift+Tab Right Tab Tab # from Browse... back to CSV, QIF, on to Browse...
        choose_file "$work/other-program.qif"
        shoot import-qif
        close_window

        key alt+e p # Edit > Preferences...
        find_window "Preferences" > /dev/null
        shoot preferences
        close_window

        kill "$app"
        wait "$app" 2> /dev/null || true
    done
    xvfb_session_stop
}

walk 800x600 1 800x600
walk 1600x1000 1 1600x1000
walk 1600x1000 2 1600x1000-2x
echo "Wrote $out/*.png"

kept=(main-800x600-light main-800x600-dark main-1600x1000-2x-dark
    reports-pie-800x600-dark reports-pie-1600x1000-light reports-cashflow-1600x1000-dark
    categories-800x600-dark categories-1600x1000-light
    import-csv-800x600-light import-csv-1600x1000-2x-dark import-qif-1600x1000-light
    preferences-1600x1000-dark)
for name in "${kept[@]}"; do
    cp "$out/$name.png" "docs/screenshots/$name.png"
done
cp "$out/window-main-1600x1000-light.png" docs/screenshot.png # the README's first picture
echo "Kept ${#kept[@]} of them in docs/screenshots, and docs/screenshot.png"

#!/usr/bin/env bash
# Lays out a release for the download server (`ledgerwell-server --downloads DIR`, or any static
# web host serving DIR): the packages, their release notes and the channel's manifest, which the
# program's update check reads.
#
#   scripts/release-manifest.sh [--out DIR] [--base-url URL] [--channel NAME] [--notes FILE]
#                               [--released-at YYYY-MM-DDTHH:MM:SSZ] [PACKAGE.deb ...]
#
# Without packages it takes build/ledgerwell_*.deb (made by scripts/package.sh). It writes
#   DIR/ledgerwell/<channel>/latest.json              (default channel: stable)
#   DIR/ledgerwell/<version>/<each package>
#   DIR/ledgerwell/<version>/release-notes.md         (docs/release-notes/<version>.md, or --notes)
#   DIR/ledgerwell/<version>/release-notes.<lang>.md  (docs/release-notes/<version>.<lang>.md)
# and prints the manifest. The addresses in the manifest start with --base-url, the address at
# which DIR will be served (default https://downloads.varnaby.com). Default DIR: build/downloads.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/build/downloads"
base_url="https://downloads.varnaby.com"
channel="stable"
notes=""
released_at="$(date -u +%Y-%m-%dT%H:%M:%SZ)"
packages=()

fail() { echo "release-manifest.sh: $*" >&2; exit 1; }

while [ $# -gt 0 ]; do
    case "$1" in
        --out) out="${2:?--out needs a folder}"; shift 2 ;;
        --base-url) base_url="${2:?--base-url needs an address}"; shift 2 ;;
        --channel) channel="${2:?--channel needs a name}"; shift 2 ;;
        --notes) notes="${2:?--notes needs a file}"; shift 2 ;;
        --released-at) released_at="${2:?--released-at needs a time}"; shift 2 ;;
        -h|--help) sed -n '2,16p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        -*) fail "unknown option $1" ;;
        *) packages+=("$1"); shift ;;
    esac
done
if [ ${#packages[@]} -eq 0 ]; then
    shopt -s nullglob
    packages=("$root"/build/ledgerwell_*.deb)
    shopt -u nullglob
    [ ${#packages[@]} -gt 0 ] || fail "no package given and none in build/ (run scripts/package.sh)"
fi
base_url="${base_url%/}"

# The platform key the program looks for, and the version, from the package itself.
keys=()
version=""
for package in "${packages[@]}"; do
    [ -f "$package" ] || fail "$package: no such file"
    case "$package" in
        *.deb) ;;
        *) fail "$package: only Debian packages (.deb) are laid out here" ;;
    esac
    name=$(dpkg-deb -f "$package" Package) || fail "$package: not a Debian package"
    [ "$name" = "ledgerwell" ] || fail "$package: package '$name' is not ledgerwell"
    arch=$(dpkg-deb -f "$package" Architecture)
    [ "$arch" = "amd64" ] || fail "$package: no platform key for architecture '$arch'"
    keys+=("linux-x64")
    # Upstream version: without an epoch or a Debian revision.
    this=$(dpkg-deb -f "$package" Version | sed -e 's/^[0-9]*://' -e 's/-[^-]*$//')
    [ -z "$version" ] || [ "$version" = "$this" ] || fail "packages of two versions: $version, $this"
    version="$this"
done
[ "$(printf '%s\n' "${keys[@]}" | sort | uniq -d)" = "" ] || fail "two packages for one platform"

notes="${notes:-$root/docs/release-notes/$version.md}"
[ -s "$notes" ] || fail "no release notes for $version: $notes"

release="$out/ledgerwell/$version"
mkdir -p "$release" "$out/ledgerwell/$channel"
cp "$notes" "$release/release-notes.md"
shopt -s nullglob
for localized in "$root/docs/release-notes/$version".??.md; do
    lang="${localized%.md}"
    cp "$localized" "$release/release-notes.${lang##*.}.md"
done
shopt -u nullglob

entries=()
for i in "${!packages[@]}"; do
    package="${packages[$i]}"
    file=$(basename "$package")
    cp "$package" "$release/$file"
    entries+=("${keys[$i]}" "$file" "$(stat -c %s "$package")"
        "$(sha256sum "$package" | cut -d' ' -f1)")
done

/usr/bin/python3 - "$out/ledgerwell/$channel/latest.json" "$base_url" "$channel" "$version" \
    "$released_at" "${entries[@]}" <<'PY'
import json, sys
target, base, channel, version, released_at, *rest = sys.argv[1:]
folder = f"{base}/ledgerwell/{version}/"
artifacts = {}
for i in range(0, len(rest), 4):
    key, file, size, sha256 = rest[i:i + 4]
    artifacts[key] = {
        "version": version,
        "released_at": released_at,
        "url": folder + file,
        "size": int(size),
        "sha256": sha256,
        "mandatory": False,
        "release_notes_url": folder + "release-notes.md",
    }
manifest = {"schema": 1, "app": "ledgerwell", "channel": channel, "artifacts": artifacts}
with open(target, "w", encoding="utf-8") as out:
    json.dump(manifest, out, indent=2)
    out.write("\n")
json.dump(manifest, sys.stdout, indent=2)
print()
PY

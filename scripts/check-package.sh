#!/usr/bin/env bash
# Builds the package and checks it as a new operator would meet it: the Debian and desktop
# checkers are clean, "cmake --install" lays out what the package holds, and the installed
# "kirveno" makes the operator's folder with the default files at its first start and leaves
# the books byte for byte as they are at the next.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/package.sh
source scripts/setup.sh
kirveno_install lintian desktop-file-utils appstream
deb=$(ls build/package/kirveno_*.deb)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "== lintian"
lintian --fail-on error,warning "$deb"
echo "== desktop entry and metainfo"
desktop-file-validate packaging/example.kirveno.Kirveno.desktop
appstreamcli validate --no-net packaging/example.kirveno.Kirveno.metainfo.xml

echo "== cmake --install gives the package's layout"
dpkg -x "$deb" "$scratch/root"
DESTDIR="$scratch/prefix" cmake --install build/package --prefix /usr --strip >/dev/null
diff <(cd "$scratch/root" && find . | sort) <(cd "$scratch/prefix" && find . | sort)

kirveno="$scratch/root/usr/bin/kirveno"
export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$scratch/data"
folder="$XDG_DATA_HOME/kirveno"
files=(ayar.dat zaman.dat gunluk.dat aylik.dat borc.dat zil01.wav yazarkasa01.wav
       language/english.ini language/turkish.ini)

# start_program SECONDS: runs the installed program that long; it must still be running then.
start_program() {
    "$kirveno" >"$scratch/out" 2>&1 &
    local pid=$!
    sleep "$1"
    if ! kill "$pid" 2>/dev/null; then
        echo "kirveno ended by itself:"; cat "$scratch/out"; exit 1
    fi
    wait "$pid" 2>/dev/null || true
}

echo "== first start fills $folder"
start_program 4
for file in "${files[@]}"; do
    [ -f "$folder/$file" ] || { echo "missing after the first start: $folder/$file"; exit 1; }
done
cmp "$folder/language/turkish.ini" "$scratch/root/usr/share/kirveno/language/turkish.ini"
cmp "$folder/zaman.dat" assets/data/zaman.dat

echo "== a second start leaves the books as they are"
printf 'Ali\r\n' >> "$folder/gunluk.dat" # a book that differs from the defaults
before=$(cd "$folder" && sha256sum "${files[@]}")
start_program 4
after=$(cd "$folder" && sha256sum "${files[@]}")
[ "$before" = "$after" ] || { diff <(echo "$before") <(echo "$after"); exit 1; }
echo "package checked: $deb"

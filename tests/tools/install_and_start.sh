#!/bin/sh
# Installs the build into a temporary prefix, then runs the installed
# Norvel from an unrelated folder on the example design. Usage: install_and_start.sh BUILD_DIR
set -e
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null

missing=0
for file in bin/Norvel bin/Stalvora2 \
    share/norvel/IProfile.txt share/norvel/Materialeigenschaften.txt share/norvel/inputstart.txt \
    share/norvel/Benutzerhandbuch.pdf share/norvel/geometriehinterg.png share/norvel/Schnittgroessen.png \
    "share/norvel/se beton.png" "share/norvel/se bewerhung.png" "share/norvel/se baustahl.png" \
    "share/norvel/geo sb.png" "share/norvel/geo bau.png" "share/norvel/duebel rippe.png" \
    share/applications/norvel.desktop share/icons/hicolor/128x128/apps/norvel.png; do
    if [ ! -f "$prefix/$file" ]; then
        echo "nicht installiert: $file"
        missing=1
    fi
done
[ "$missing" -eq 0 ]
grep -q '^Exec=Norvel$' "$prefix/share/applications/norvel.desktop"

# A folder without any data: everything must come from the installation.
mkdir "$scratch/elsewhere"
cd "$scratch/elsewhere"
STALVORA_WORK_DIR=$scratch/work QT_QPA_PLATFORM=offscreen \
    "$prefix/bin/Norvel" --batch "$prefix/share/norvel/inputstart.txt" >report.txt 2>errors.txt || {
    cat errors.txt
    exit 1
}
grep -q 'BEMESSUNGSPROTOKOLL' report.txt
# IPE400 from the installed profile table: h = 400 mm and root radius r = 21 mm.
grep -q 'h: 400 mm' report.txt
grep -q 'r: 21 mm' report.txt
[ -f "$scratch/work/1/input.txt" ]
echo "Installation gefunden und berechnet"

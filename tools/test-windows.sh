#!/bin/sh
# The Windows build under wine64: its test suites, then the Windows engine
# against the Linux engine on the same inputs, every file either writes.
#   tools/test-windows.sh LINUX_BUILD WINDOWS_BUILD
# Inputs: the example design, the designs of the test fixtures and the input
# files of the fuzz corpus, each as it is; the example and the fixtures also
# with CRLF line ends (whose results must equal those of the LF file), the
# example in a work folder whose path holds umlauts and spaces, and the
# example in the default work folder C:\Temp\Stalvora_temp\ (no
# STALVORA_WORK_DIR). Results and the full comparison stay in
# WINDOWS_BUILD/compare/; differences only in a last printed digit are listed.
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
LINUX=$(cd "$1" && pwd)
WINDOWS=$(cd "$2" && pwd)
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
# A wine installation of its own, inside the build folder.
WINEPREFIX=${NORVEL_WINEPREFIX:-$WINDOWS/wine}
WINEDEBUG=-all
WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
unset STALVORA_WORK_DIR
SUCCESS="Berechnung wurde erfolgreich abgeschlossen"

fail() { echo "test-windows: $*" >&2; exit 1; }

# Create the prefix on the first run, then keep one wineserver alive for all
# program starts (a start takes ~0.1 s then instead of ~2 s). wine's own
# services start here with no pipe attached: started later under ctest, they
# would keep its output pipe open and ctest would wait for them for ever.
mkdir -p "$WINEPREFIX"
"$WINESERVER" -k 2>/dev/null || true
"$WINESERVER" -p
trap '"$WINESERVER" -k 2>/dev/null || true' EXIT
"$WINE" wineboot </dev/null >/dev/null 2>&1 || fail "wine startet nicht ($WINE)"

echo "== GoogleTest-Programme unter wine"
(cd "$WINDOWS" && ctest --output-on-failure) || fail "Testprogramme unter wine fehlgeschlagen"

T=$WINDOWS/compare
rm -rf "$T"
mkdir -p "$T/linux" "$T/windows"

# run_case NAME INPUT: both engines on INPUT in run folder 1 of a work folder
# of their own (T/SIDE/NAME/work/); console into stdout.txt and stderr.txt
# beside it, without the line that names the (different) folder.
run_case() {
    for side in linux windows; do
        d="$T/$side/$1"
        mkdir -p "$d/work/1"
        cp "$2" "$d/work/1/input.txt"
        if [ $side = linux ]; then
            (cd "$d" && STALVORA_WORK_DIR="$d/work/" "$LINUX/Stalvora2" >stdout.txt 2>stderr.txt)
        else
            (cd "$d" && STALVORA_WORK_DIR="$d/work/" "$WINE" "$WINDOWS/Stalvora2.exe" >stdout.txt 2>stderr.txt)
        fi
        sed -i '/^Aktuelles Verzeichnis: /d' "$d/stdout.txt"
    done
}

crlf() { sed 's/\r*$/\r/' "$1" >"$2"; }

echo "== Windows- und Linux-Engine auf denselben Eingaben"
S=$T/inputs
mkdir -p "$S"
run_case beispiel "$ROOT/data/inputstart.txt"
crlf "$ROOT/data/inputstart.txt" "$S/beispiel-crlf.txt"
run_case beispiel-crlf "$S/beispiel-crlf.txt"
run_case "Prüfung Träger/mit Leerzeichen" "$ROOT/data/inputstart.txt"
for f in "$ROOT"/tests/frontend/fixtures/*/*/input.txt; do
    name=fixture-$(basename "$(dirname "$f")")
    run_case "$name" "$f"
    crlf "$f" "$S/$name-crlf.txt"
    run_case "$name-crlf" "$S/$name-crlf.txt"
done
corpus=0
for f in "$ROOT"/tests/fuzz/corpus/fuzz_input_file/*; do
    run_case "corpus/$(basename "$f")" "$f"
    corpus=$((corpus + 1))
done

# The default work folder on wine's drive C:, created here as a user would.
C="$WINEPREFIX/drive_c/Temp/Stalvora_temp"
rm -rf "$C"
mkdir -p "$C/1"
cp "$ROOT/data/inputstart.txt" "$C/1/input.txt"
mkdir -p "$T/windows/standardordner/work"
(cd "$T/windows/standardordner" && "$WINE" "$WINDOWS/Stalvora2.exe" >stdout.txt 2>stderr.txt)
grep -q '^Aktuelles Verzeichnis: C:\\Temp\\Stalvora_temp\\1$' "$T/windows/standardordner/stdout.txt" ||
    fail "der Standardordner C:\\Temp\\Stalvora_temp\\ wurde nicht benutzt"
sed -i '/^Aktuelles Verzeichnis: /d' "$T/windows/standardordner/stdout.txt"
cp -r "$C/1" "$T/windows/standardordner/work/"
cp -r "$T/linux/beispiel" "$T/linux/standardordner"

for d in beispiel "Prüfung Träger/mit Leerzeichen" standardordner beispiel-crlf; do
    [ "$(cat "$T/windows/$d/stderr.txt")" = "$SUCCESS" ] || fail "$d: keine erfolgreiche Berechnung unter Windows"
done

# Every file of both trees: byte for byte, or only a last digit apart.
"$LINUX/tools/norvel_compare_runs" "$T/linux" "$T/windows" >"$T/vergleich.txt" || {
    grep -v '^RUNDUNG' "$T/vergleich.txt" | head -n 40
    fail "Windows- und Linux-Ergebnisse unterscheiden sich (alles in $T/vergleich.txt)"
}
# CRLF input gives the results of the LF input.
for d in "$T"/windows/*-crlf; do
    diff -r -x input.txt "${d%-crlf}" "$d" >/dev/null || fail "$(basename "$d"): CRLF-Eingabe rechnet anders"
done

echo "Beispiel, $(ls -d "$T"/linux/fixture-* | wc -l) Fixture-Entwürfe (davon die Hälfte CRLF), $corpus Korpus-Eingaben, Pfad mit Umlauten und Leerzeichen, Standardordner C:\\Temp\\Stalvora_temp\\"
tail -n 1 "$T/vergleich.txt"
if grep -q '^RUNDUNG' "$T/vergleich.txt"; then
    echo "Rundungsunterschiede in der letzten Stelle:"
    grep '^RUNDUNG' "$T/vergleich.txt"
else
    echo "Rundungsunterschiede: keine"
fi

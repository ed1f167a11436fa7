#!/bin/sh
# Starts Norvel with the example design; without a display the example is
# calculated headless and the design report printed.
set -e
BUILD_DIR=${1:-build}
cd "$BUILD_DIR"
if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then
    if [ -x ./Norvel ]; then exec ./Norvel; fi
fi
if [ -x ./Norvel ]; then
    exec env QT_QPA_PLATFORM=offscreen ./Norvel --batch inputstart.txt
fi
# Front end not built yet: run the engine on the example in a fresh run folder.
WORK=${STALVORA_WORK_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/Stalvora_temp}
last=$(ls "$WORK" 2>/dev/null | grep -E '^[0-9]+$' | sort -n | tail -n 1)
# expr reads "007" as 7 where the shell's arithmetic would take it for octal.
next=$(expr "${last:-0}" + 1)
mkdir -p "$WORK/$next"
cp inputstart.txt "$WORK/$next/input.txt"
./Stalvora2
echo "Ergebnisse in $WORK/$next"
cat "$WORK/$next/output.txt"

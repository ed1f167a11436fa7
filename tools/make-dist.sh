#!/bin/sh
# Release archives from a Linux and a Windows build:
#   tools/make-dist.sh LINUX_BUILD WINDOWS_BUILD DIST_FOLDER
# - norvel-VERSION-linux-x86_64.tar.gz: the installed tree (bin/Norvel,
#   bin/Stalvora2, share/norvel/ with tables, example and manual, the .desktop
#   file and the icon) and README.md; it runs from wherever it is unpacked.
# - stalvora2-VERSION-windows-x86_64.zip: Stalvora2.exe with the tables, the
#   example design and LIESMICH.txt, in one folder.
# VERSION is the project version of CMakeLists.txt.
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
LINUX=$(cd "$1" && pwd)
WINDOWS=$(cd "$2" && pwd)
mkdir -p "$3"
DIST=$(cd "$3" && pwd)
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$LINUX/CMakeCache.txt")
[ -n "$VERSION" ] || { echo "make-dist: keine Projektversion in $LINUX/CMakeCache.txt" >&2; exit 1; }
STAGE=$(mktemp -d)
trap 'rm -rf "$STAGE"' EXIT

linux=norvel-$VERSION-linux-x86_64
cmake --install "$LINUX" --prefix "$STAGE/$linux" >/dev/null
cp "$ROOT/README.md" "$STAGE/$linux/"
tar -C "$STAGE" --owner=0 --group=0 --sort=name -czf "$DIST/$linux.tar.gz" "$linux"

windows=stalvora2-$VERSION-windows-x86_64
mkdir "$STAGE/$windows"
cp "$WINDOWS/Stalvora2.exe" "$WINDOWS/IProfile.txt" "$WINDOWS/Materialeigenschaften.txt" \
    "$WINDOWS/inputstart.txt" "$STAGE/$windows/"
# Windows line ends for the editor that opens it.
sed 's/$/\r/' "$ROOT/docs/LIESMICH-windows.txt" >"$STAGE/$windows/LIESMICH.txt"
rm -f "$DIST/$windows.zip"
(cd "$STAGE" && zip -qr -X "$DIST/$windows.zip" "$windows")

ls -l "$DIST/$linux.tar.gz" "$DIST/$windows.zip"

#!/bin/sh
# Installs the Debian packages that building, running and testing need
# (poppler-utils: the tests read the report's PDF with pdfinfo, pdftotext, pdfimages).
# Only packages that dpkg reports missing are installed, so a second run is quick.
# With the argument "fuzz" it installs what `make fuzz` needs besides:
# clang with libFuzzer and the sanitizer runtimes, and the LLVM tools
# (symbolizer for readable stack traces, llvm-cov for the coverage report).
# With "windows" it installs what `make windows` and `make test-windows` need
# besides: the mingw-w64 cross compiler (posix threads), wine64 to run the
# result, the GoogleTest sources to build for Windows, and zip for `make dist`.
set -e
PACKAGES="build-essential cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev \
qtbase5-dev libqcustomplot-dev qttranslations5-l10n fonts-dejavu-core \
poppler-utils"
if [ "$1" = "fuzz" ]; then
    PACKAGES="$PACKAGES clang-14 libclang-rt-14-dev llvm-14"
fi
if [ "$1" = "windows" ]; then
    PACKAGES="$PACKAGES g++-mingw-w64-x86-64-posix wine64 googletest zip"
fi
missing=""
for p in $PACKAGES; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installiere:$missing"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing

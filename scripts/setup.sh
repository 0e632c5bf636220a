# Shared by scripts/run, scripts/test and scripts/fuzz: installs what is
# missing and builds Morvel into build/ (Release) or build-asan/ (clang,
# sanitizers and fuzz targets). Sourced, not run.
set -euo pipefail

MORVEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# What building and running Morvel needs (the window system's plugins too:
# apt is told to leave recommended packages out); GeographicLib evaluates
# the World Magnetic Model for the compass's variation; libgps reads the
# ship's GPS from gpsd; lrelease (qt6-l10n-tools, with qt6-tools-dev for
# CMake's Qt6LinguistTools) makes the translations, and Qt's own for its
# dialogs come from qt6-translations-l10n.
MORVEL_RUN_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins fonts-liberation liberfa-dev libnova-dev
                     libgeographiclib-dev libgps-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# What the tests, benchmarks and package checks need besides: GoogleTest,
# Google Benchmark, GeographicLib's tools (GeodSolve, the independent
# oracle of the batch's speed), clang and its
# compiler runtime (the sanitized tests and the libFuzzer targets), the
# packaging tools, xmllint (the GPX routes against their schema),
# poppler-utils (pdfinfo and pdftotext read the printed page back), and
# gpsd with gpsd-clients (gpsfake replays an NMEA log to a private gpsd
# for morvel-solve --gps), and locales (French, German and Spanish made
# with localedef, for the decimal point under those languages).
MORVEL_TEST_PACKAGES=(libgtest-dev libbenchmark-dev geographiclib-tools clang
                      libclang-rt-14-dev dpkg-dev librsvg2-bin desktop-file-utils appstream lintian libxml2-utils
                      poppler-utils gpsd gpsd-clients locales)

# morvel_install PACKAGE...: installs those that are missing.
morvel_install() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# morvel_locales: the French, German and Spanish locales the language tests
# run under, made where missing.
morvel_locales() {
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    for l in fr_FR de_DE es_ES; do
        locale -a 2>/dev/null | grep -qix "$l.utf-\?8" || "${sudo[@]}" localedef -i "$l" -f UTF-8 "$l.UTF-8"
    done
}

# morvel_build DIR [cmake options...]: everything, tests and benchmarks
# included unless the options say otherwise. MORVEL_TARGET, when set,
# builds that target alone.
morvel_build() {
    local dir=$1
    shift
    cmake -S "$MORVEL_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DMORVEL_TESTS=ON -DMORVEL_BENCH=ON "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)" ${MORVEL_TARGET:+--target "$MORVEL_TARGET"}
}

# morvel_build_sanitized: the whole program, its tests and the fuzz targets,
# built by clang with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/, and the sanitizers' options for what runs from it.
morvel_build_sanitized() {
    # A build-asan/ configured with another compiler cannot switch to clang.
    if grep -qs '^CMAKE_CXX_COMPILER:.*g++' "$MORVEL_ROOT/build-asan/CMakeCache.txt"; then
        rm -rf "$MORVEL_ROOT/build-asan"
    fi
    morvel_build "$MORVEL_ROOT/build-asan" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
        -DMORVEL_BENCH=OFF -DMORVEL_SANITIZE=ON -DMORVEL_FUZZ=ON
    export LSAN_OPTIONS="suppressions=$MORVEL_ROOT/tests/sanitizer.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1"
}

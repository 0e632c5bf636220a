# Shared by scripts/run and scripts/test: installs what is missing and
# builds Morvel into build/ (Release). Sourced, not run.
set -euo pipefail

MORVEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
MORVEL_PACKAGES=(cmake make g++ pkg-config qt6-base-dev libgtest-dev libbenchmark-dev
                 libgeographiclib-dev geographiclib-tools fonts-liberation
                 dpkg-dev librsvg2-bin desktop-file-utils appstream lintian)

morvel_install() {
    local missing=()
    for p in "${MORVEL_PACKAGES[@]}"; do
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

# morvel_build DIR [cmake options...]
morvel_build() {
    local dir=$1
    shift
    cmake -S "$MORVEL_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

#!/usr/bin/env bash
# Installs what is missing from Debian's packages, then configures and builds.
# Usage: preparar.sh programa|pruebas  [build directory] [extra cmake options...]
set -euo pipefail

modo=${1:-programa}
dir=${2:-build}
shift $(( $# > 2 ? 2 : $# )) || true
raiz=$(cd "$(dirname "$0")/.." && pwd)

paquetes=(build-essential cmake qt6-base-dev qt6-base-dev-tools libgl-dev libeigen3-dev
          fonts-liberation fonts-dejavu-core)
if [ "$modo" = pruebas ]; then
    paquetes+=(xvfb xauth x11-utils clang libclang-rt-14-dev libbenchmark-dev gcovr poppler-utils)
fi

faltan=()
for p in "${paquetes[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
if [ ${#faltan[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Instalando: ${faltan[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${faltan[@]}"
fi

cmake -S "$raiz" -B "$raiz/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$raiz/$dir" -j"$(nproc)"

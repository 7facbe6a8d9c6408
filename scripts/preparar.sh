#!/usr/bin/env bash
# Installs what is missing from Debian's packages, then configures and builds.
# Usage: preparar.sh programa|pruebas  [build directory] [extra cmake options...]
# Every option of the project is set on each call (the extra options, given
# last, win), so a folder configured earlier for something else is never
# reused with its old settings: "programa" builds the program alone,
# "pruebas" the program and the test suite.
set -euo pipefail

modo=${1:-programa}
dir=${2:-build}
shift $(( $# > 2 ? 2 : $# )) || true
raiz=$(cd "$(dirname "$0")/.." && pwd)

# qt6-translations-l10n: Qt's own Spanish texts (dialog buttons, context menus).
paquetes=(build-essential cmake qt6-base-dev qt6-base-dev-tools libgl-dev libeigen3-dev libfontconfig-dev
          fonts-liberation fonts-dejavu-core qt6-translations-l10n)
if [ "$modo" = pruebas ]; then
    paquetes+=(clang-format-14 xvfb xauth x11-utils openbox scrot netpbm desktop-file-utils appstream lintian clang libclang-rt-14-dev libbenchmark-dev gcovr poppler-utils)
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

pruebas=OFF
[ "$modo" = pruebas ] && pruebas=ON
cmake -S "$raiz" -B "$raiz/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRABINA_TESTS=$pruebas \
    -DTRABINA_WERROR=OFF -DTRABINA_SANITIZE=OFF -DTRABINA_BENCH=OFF -DTRABINA_COVERAGE=OFF "$@" >/dev/null
cmake --build "$raiz/$dir" -j"$(nproc)"

#!/usr/bin/env bash
# Line and branch coverage of src/ by the whole test suite: builds with gcc's
# --coverage in its own directory, runs ctest there and reports with gcovr.
# Usage: cobertura.sh [build directory, default build-cov]
# Text summary on the terminal; per-file detail in <dir>/cobertura/index.html.
set -euo pipefail
dir=${1:-build-cov}
raiz=$(cd "$(dirname "$0")/.." && pwd)
cd "$raiz"

for p in gcovr qt6-base-dev libeigen3-dev cmake; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        sudo=""
        [ "$(id -u)" -ne 0 ] && sudo=sudo
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq gcovr qt6-base-dev libeigen3-dev cmake
        break
    fi
done

cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Debug -DTRABINA_COVERAGE=ON >/dev/null
cmake --build "$dir" -j2
find "$dir" -name '*.gcda' -delete
# The random-use test adds little coverage after its first thousands of events.
(cd "$dir" && TRABINA_EVENTOS=${TRABINA_EVENTOS:-20000} ctest -j2 --output-on-failure) || true

mkdir -p "$dir/cobertura"
# Exception and unreachable branches that the compiler adds are left out: no
# test could take them and they would only hide the branches that matter.
gcovr --root . --object-directory "$dir" --filter 'src/' \
    --exclude-throw-branches --exclude-unreachable-branches \
    --json "$dir/cobertura/cobertura.json" \
    --html-details "$dir/cobertura/index.html" \
    --txt "$dir/cobertura/lineas.txt" --print-summary | tee "$dir/cobertura/resumen.txt"
gcovr --add-tracefile "$dir/cobertura/cobertura.json" --txt "$dir/cobertura/ramas.txt" --branches
echo "Por archivo: $dir/cobertura/lineas.txt (líneas), $dir/cobertura/ramas.txt (ramas)"

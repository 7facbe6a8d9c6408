#!/usr/bin/env bash
# Installs what is missing, builds without warnings, and runs the whole suite:
# once normally (in build-pruebas), once under AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-asan, with fewer random events), then
# fuzzes the number rules for a bounded time. After the first build the code's
# layout is checked against .clang-format. A run that finds no test fails.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
cd "$raiz"

./scripts/preparar.sh pruebas build-pruebas -DTRABINA_WERROR=ON
./scripts/formato.sh
(cd build-pruebas && ctest --output-on-failure --no-tests=error -j2)

./scripts/preparar.sh pruebas build-asan -DTRABINA_WERROR=ON -DTRABINA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
(cd build-asan && TRABINA_SANITIZADO=1 ctest --output-on-failure --no-tests=error -j2 -LE 'xvfb|paquete')

./scripts/fuzz.sh 60 build-fuzz

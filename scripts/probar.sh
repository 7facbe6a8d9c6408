#!/usr/bin/env bash
# Installs what is missing, builds without warnings, and runs the whole suite:
# once normally, once under AddressSanitizer and UndefinedBehaviorSanitizer
# (with fewer random events), then fuzzes the number rules for a bounded time.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
cd "$raiz"

./scripts/preparar.sh pruebas build -DTRABINA_WERROR=ON
(cd build && ctest --output-on-failure -j2)

./scripts/preparar.sh pruebas build-asan -DTRABINA_WERROR=ON -DTRABINA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
(cd build-asan && TRABINA_SANITIZADO=1 ctest --output-on-failure -j2 -LE xvfb)

./scripts/fuzz.sh 60 build-fuzz

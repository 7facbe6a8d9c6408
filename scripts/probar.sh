#!/usr/bin/env bash
# Installs what is missing, builds without warnings, and runs the whole suite:
# once normally, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
cd "$raiz"

./scripts/preparar.sh pruebas build -DTRABINA_WERROR=ON
(cd build && ctest --output-on-failure -j2)

./scripts/preparar.sh pruebas build-asan -DTRABINA_WERROR=ON -DTRABINA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
(cd build-asan && TRABINA_SANITIZADO=1 ctest --output-on-failure -j2 -LE sin-sanitizar)

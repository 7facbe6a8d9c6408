#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
"$raiz/scripts/preparar.sh" programa build -DTRABINA_TESTS=OFF
exec "$raiz/build/src/trabina" "$@"

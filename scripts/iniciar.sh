#!/usr/bin/env bash
# Installs what is missing, builds the program alone in build/, and starts it.
# The test suite has its own folders (scripts/probar.sh), so either command
# may run first.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
"$raiz/scripts/preparar.sh" programa build
exec "$raiz/build/src/trabina" "$@"

#!/usr/bin/env bash
# Checks that every C++ file follows .clang-format, with the clang-format that
# Debian 12 ships (version 14): another version may lay the same code out
# differently. With --aplicar it rewrites the files instead.
set -euo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
cd "$raiz"

formateador=clang-format-14
if [ -d .git ] || git rev-parse --git-dir >/dev/null 2>&1; then
    mapfile -t archivos < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t archivos < <(find src tests docs bench fuzz -name '*.cpp' -o -name '*.h' | sort)
fi
if [ "${1:-}" = --aplicar ]; then
    "$formateador" -i "${archivos[@]}"
else
    "$formateador" --dry-run --Werror "${archivos[@]}"
    echo "formato: ${#archivos[@]} archivos según .clang-format"
fi

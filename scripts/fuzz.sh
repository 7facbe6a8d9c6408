#!/usr/bin/env bash
# Builds the number rules' libFuzzer target with clang and runs it for a bounded
# time from the committed seed corpus. New inputs go to a scratch folder inside
# the build directory, never into fuzz/corpus; a failing input is written there
# as crash-* and the script fails.
# Usage: fuzz.sh [seconds, default 60] [build directory, default build-fuzz]
# Replay one input: build-fuzz/fuzz_numeros build-fuzz/hallazgos/crash-...
set -euo pipefail
segundos=${1:-60}
dir=${2:-build-fuzz}
raiz=$(cd "$(dirname "$0")/.." && pwd)
cd "$raiz"

for p in clang libclang-rt-14-dev qt6-base-dev cmake; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        sudo=""
        [ "$(id -u)" -ne 0 ] && sudo=sudo
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq clang libclang-rt-14-dev qt6-base-dev cmake
        break
    fi
done

cmake -S fuzz -B "$dir" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$dir" -j2
mkdir -p "$dir/corpus" "$dir/hallazgos"
# -timeout: one input that takes 5 s means the reading loops.
"$dir/fuzz_numeros" -max_total_time="$segundos" -timeout=5 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$dir/hallazgos/" "$dir/corpus" fuzz/corpus
echo "fuzz: sin fallas en $segundos s"

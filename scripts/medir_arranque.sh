#!/usr/bin/env bash
# Start-up time and peak memory of trabina beside a bare Qt 6 Widgets program
# (bench/base: one main window with one label), measured in one run, turn
# about, on a real X server (Xvfb) or on the offscreen platform.
#
# Each program is started with TRABINA_MEDIR_ARRANQUE=1: once its main window
# has been exposed and painted it prints the wall-clock time and its peak
# resident memory so far (VmHWM) and ends. The start-up time is that time
# minus the moment the script started the process. trabina's splash opens
# first and stays for five seconds; what is timed is its main window shown,
# which happens right after its set-up, with the splash already up.
#
# Usage: medir_arranque.sh [repetitions, default 15] [xcb|offscreen, default xcb]
#        [build directory, default build-bench]
set -euo pipefail
veces=${1:-15}
plataforma=${2:-xcb}
dir=${3:-build-bench}
raiz=$(cd "$(dirname "$0")/.." && pwd)
cd "$raiz"

cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRABINA_BENCH=ON -DTRABINA_TESTS=OFF -DTRABINA_SANITIZE=OFF -DTRABINA_COVERAGE=OFF >/dev/null
cmake --build "$dir" -j2 --target trabina trabina_base >/dev/null
programas=("$dir/bench/trabina_base" "$dir/src/trabina")
nombres=(base trabina)

trabajo=$(mktemp -d)
pid_x=""
terminar() {
    [ -n "$pid_x" ] && kill "$pid_x" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$trabajo"
}
trap terminar EXIT

if [ "$plataforma" = xcb ]; then
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$trabajo/display" 2>/dev/null &
    pid_x=$!
    for _ in $(seq 100); do [ -s "$trabajo/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n1 "$trabajo/display")"
fi
export QT_QPA_PLATFORM=$plataforma

# One start: "milliseconds peak-kB".
medir() {
    local inicio salida
    inicio=$(date +%s%N)
    salida=$(TRABINA_MEDIR_ARRANQUE=1 timeout 60 "$1" 2>/dev/null | grep '^arranque ')
    read -r _ fin pico <<<"$salida"
    echo "$(( (fin - inicio) / 1000 )) $pico"
}

mediana() {
    sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# A first start of each warms the file cache; it is not counted.
for p in "${programas[@]}"; do medir "$p" >/dev/null; done
for ((i = 0; i < veces; i++)); do
    for k in 0 1; do
        # Turn about, so neither always runs right after the other.
        j=$(( (i + k) % 2 ))
        medir "${programas[$j]}" >>"$trabajo/${nombres[$j]}"
    done
done

echo "Plataforma $plataforma, $veces arranques de cada programa (medianas):"
printf '%-10s %14s %16s\n' programa "arranque (ms)" "memoria pico (MB)"
declare -A ms mb
for n in "${nombres[@]}"; do
    ms[$n]=$(awk '{ printf "%.1f\n", $1 / 1000 }' "$trabajo/$n" | mediana)
    mb[$n]=$(awk '{ printf "%.1f\n", $2 / 1024 }' "$trabajo/$n" | mediana)
    printf '%-10s %14s %16s\n' "$n" "${ms[$n]}" "${mb[$n]}"
done
awk -v a="${ms[trabina]}" -v b="${ms[base]}" -v c="${mb[trabina]}" -v d="${mb[base]}" 'BEGIN {
    printf "cociente   %14.2f %16.2f   (meta: 1.3 o menos)\n", a / b, c / d
    printf "arranque %s, memoria %s\n", (a / b <= 1.3 ? "cumple" : "NO cumple"), (c / d <= 1.3 ? "cumple" : "NO cumple")
}'

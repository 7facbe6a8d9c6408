#!/usr/bin/env bash
# The built program on a real X server under openbox (both started and ended
# here by their process ids): from the first second the splash stands in front
# of the main window with its picture on the screen, goes after five seconds,
# the main window stays and the process runs until ended here by its pid.
# Usage: ventana_real.sh path/to/trabina
set -euo pipefail

programa=$1
readonly TITULO="Cálculo de Cerchas por el metodo de los nodos (Vexo.Parvu.Trabina)"
readonly VIDA=5 ESPERA_MAXIMA=40 MAX_DOMINANTE=25 # splash seconds; give-up seconds (sanitizers); % of one colour

for herramienta in Xvfb xwininfo xprop openbox scrot pngtopnm pnmcut ppmhist; do
    command -v "$herramienta" >/dev/null || { echo "falta $herramienta (xvfb, x11-utils, openbox, scrot, netpbm)"; exit 1; }
done
trabajo=$(mktemp -d)
pids=()
terminar() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$trabajo"
}
trap terminar EXIT
falla() { echo "$1"; [ -z "${2:-}" ] || cat "$2"; exit 1; }
# Waits up to 10 s for a command to succeed.
esperar() { for _ in $(seq 100); do "$@" && return; sleep 0.1; done; "$@"; }

# -displayfd: the server picks a free display and writes its number once ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$trabajo/display" 2>"$trabajo/xvfb.log" &
pids+=($!)
esperar test -s "$trabajo/display" || falla "Xvfb no arrancó" "$trabajo/xvfb.log"
DISPLAY=":$(head -n1 "$trabajo/display")"
export DISPLAY LC_ALL=C.UTF-8 # titles as UTF-8 in xprop's output
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
openbox --sm-disable >"$trabajo/openbox.log" 2>&1 &
pids+=($!)
hay_wm() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q '#'; }
esperar hay_wm || falla "openbox no arrancó" "$trabajo/openbox.log"

inicio=$(date +%s%3N)
QT_QPA_PLATFORM=xcb "$programa" >"$trabajo/programa.log" 2>&1 &
pid_programa=$!
pids+=("$pid_programa")
milisegundos() { echo $(($(date +%s%3N) - inicio)); }
vivo() { kill -0 "$pid_programa" 2>/dev/null || falla "el programa terminó solo" "$trabajo/programa.log"; }

# The program's shown windows, bottom first as openbox stacks them: "id title" a line.
ventanas_mostradas() {
    xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | sed -n 's/^.*# //p' | tr -d ',' | tr ' ' '\n' | while read -r id; do
        if [ -n "$id" ] && xprop -id "$id" _NET_WM_PID 2>/dev/null | grep -q "= $pid_programa\$" \
            && xwininfo -id "$id" 2>/dev/null | grep -q "Map State: IsViewable"; then
            echo "$id $(xprop -id "$id" _NET_WM_NAME 2>/dev/null | sed -n 's/^[^"]*"\(.*\)"$/\1/p')"
        fi
    done
}

# Percent of a window's area the most frequent colour covers, read from the
# whole screen (scrot): "xwd -root" rebuilds it window by window and shows this
# splash black although the screen holds it.
color_dominante() {
    local geometria
    geometria=$(xwininfo -id "$1" | awk -F: '/Absolute upper-left X/ {x=$2} /Absolute upper-left Y/ {y=$2}
        /Width/ {w=$2} /Height/ {h=$2} END {print x+0, y+0, w+0, h+0}')
    scrot -o "$trabajo/pantalla.png" >/dev/null 2>&1 || { echo 100; return; }
    # shellcheck disable=SC2086 # four numbers
    pngtopnm "$trabajo/pantalla.png" | pnmcut $geometria | ppmhist -noheader \
        | awk '{ n = $NF; total += n; if (n > mayor) mayor = n } END { print total ? int(100 * mayor / total) : 100 }'
}

# From the first second until the splash goes, it is the top one whenever both are shown.
principal="" ordenes=0 dominante=""
while [ -z "$principal" ] || [ "$(ventanas_mostradas | wc -l)" -gt 1 ]; do
    vivo
    lista=$(ventanas_mostradas)
    principal=$(echo "$lista" | awk -v t="$TITULO" 'substr($0, index($0, " ") + 1) == t { print $1 }')
    arriba=$(echo "$lista" | tail -n1 | cut -d' ' -f1)
    if [ -n "$principal" ] && [ "$(echo "$lista" | grep -c .)" -gt 1 ] && [ "$(milisegundos)" -ge 1000 ]; then
        [ "$arriba" != "$principal" ] || falla "a los $(milisegundos) ms la principal tapa la presentación: $lista"
        ordenes=$((ordenes + 1))
        [ -n "$dominante" ] || dominante=$(color_dominante "$arriba")
    fi
    [ "$(milisegundos)" -le $((ESPERA_MAXIMA * 1000)) ] || falla "tras $ESPERA_MAXIMA s no quedó sola: $lista"
    sleep 0.2
done
sola=$(milisegundos)
echo "principal $principal; presentación delante en $ordenes muestras, color más frecuente ${dominante}%; sola a ${sola} ms"
[ "$ordenes" -gt 0 ] || falla "no se vio la presentación delante de la principal después del primer segundo"
# A gradient with a drawing and three texts: no colour covers more than a few percent, unlike an unpainted area.
[ "${dominante:-100}" -le $MAX_DOMINANTE ] || falla "un solo color cubre el ${dominante:-100} % de la presentación"
[ "$sola" -ge $((VIDA * 1000)) ] || falla "la presentación se cerró antes de sus $VIDA s"

# After the sixth second the main window is still shown and the process runs.
while [ "$(milisegundos)" -lt $(((VIDA + 1) * 1000)) ]; do sleep 0.2; done
sleep 0.5
vivo
ventanas_mostradas | grep -q "^$principal " || falla "la ventana principal dejó de mostrarse"
kill "$pid_programa"
wait "$pid_programa" 2>/dev/null || true
pids=("${pids[@]:0:2}") # ended: not to be signalled again
! kill -0 "$pid_programa" 2>/dev/null || falla "el programa no terminó con SIGTERM"
echo "terminado por su pid $pid_programa"

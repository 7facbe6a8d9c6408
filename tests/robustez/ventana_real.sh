#!/usr/bin/env bash
# The built program on a real X server under a window manager (openbox,
# started and ended here by its process id): its main window appears with its
# caption, the splash stands in front of it while it is up with its picture
# on the screen (not a blank area), goes away after
# five seconds, the main window stays shown and the process keeps running
# until it is ended here by its process id.
# Usage: ventana_real.sh path/to/trabina
set -euo pipefail

programa=$1
readonly TITULO="Cálculo de Cerchas por el metodo de los nodos (Vexo.Parvu.Trabina)"
readonly VIDA_PRESENTACION=5   # seconds the splash lives
readonly ESPERA_MAXIMA=40      # seconds before giving up (slow under sanitizers)
readonly MAX_DOMINANTE=25      # percent of the splash one colour may cover

for herramienta in Xvfb xwininfo xprop openbox scrot pngtopnm pnmcut ppmhist; do
    command -v "$herramienta" >/dev/null || { echo "falta $herramienta (paquetes xvfb, x11-utils, openbox, scrot, netpbm)"; exit 1; }
done

trabajo=$(mktemp -d)
pid_x=""
pid_wm=""
pid_programa=""
terminar() {
    [ -n "$pid_programa" ] && kill "$pid_programa" 2>/dev/null || true
    [ -n "$pid_wm" ] && kill "$pid_wm" 2>/dev/null || true
    [ -n "$pid_x" ] && kill "$pid_x" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$trabajo"
}
trap terminar EXIT

# -displayfd: the server picks a free display and writes its number once ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$trabajo/display" 2>"$trabajo/xvfb.log" &
pid_x=$!
for _ in $(seq 100); do
    [ -s "$trabajo/display" ] && break
    sleep 0.1
done
[ -s "$trabajo/display" ] || { echo "Xvfb no arrancó"; cat "$trabajo/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$trabajo/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export LC_ALL=C.UTF-8 # titles as UTF-8 in xprop's output

# The window manager, ready once it announces itself on the root window.
openbox --sm-disable >"$trabajo/openbox.log" 2>&1 &
pid_wm=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q '#' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q '#' \
    || { echo "openbox no arrancó"; cat "$trabajo/openbox.log"; exit 1; }

inicio=$(date +%s%3N)
QT_QPA_PLATFORM=xcb "$programa" >"$trabajo/programa.log" 2>&1 &
pid_programa=$!

milisegundos() { echo $(( $(date +%s%3N) - inicio )); }

# The program's windows that are shown, bottom first as the window manager
# stacks them: "id title" per line.
ventanas_mostradas() {
    xprop -root _NET_CLIENT_LIST_STACKING 2>/dev/null | sed -n 's/^.*# //p' | tr -d ',' | tr ' ' '\n' | while read -r id; do
        [ -n "$id" ] || continue
        xprop -id "$id" _NET_WM_PID 2>/dev/null | grep -q "= $pid_programa\$" || continue
        xwininfo -id "$id" 2>/dev/null | grep -q "Map State: IsViewable" || continue
        titulo=$(xprop -id "$id" _NET_WM_NAME 2>/dev/null | sed -n 's/^[^"]*"\(.*\)"$/\1/p')
        echo "$id $titulo"
    done
}

# Share, in percent, of the most frequent colour the screen shows over a
# window's area. The screen is read
# as a whole (scrot); "xwd -root" is not used because it rebuilds the picture
# window by window and shows this splash black although the screen holds it.
color_dominante() {
    local geometria
    geometria=$(xwininfo -id "$1" | awk -F: '/Absolute upper-left X/ {x=$2} /Absolute upper-left Y/ {y=$2}
        /Width/ {w=$2} /Height/ {h=$2} END {print x+0, y+0, w+0, h+0}')
    scrot -o "$trabajo/pantalla.png" >/dev/null 2>&1 || { echo 100; return; }
    # shellcheck disable=SC2086 # four numbers
    pngtopnm "$trabajo/pantalla.png" | pnmcut $geometria | ppmhist -noheader \
        | awk '{ n = $NF; total += n; if (n > mayor) mayor = n } END { print total ? int(100 * mayor / total) : 100 }'
}

vivo() {
    kill -0 "$pid_programa" 2>/dev/null || { echo "el programa terminó solo"; cat "$trabajo/programa.log"; exit 1; }
}

# From the first second until the splash goes, the splash is the top one of
# the two whenever both are shown.
principal=""
ordenes=0
dominante=""
while [ -z "$principal" ] || [ "$(ventanas_mostradas | wc -l)" -gt 1 ]; do
    vivo
    lista=$(ventanas_mostradas)
    principal=$(echo "$lista" | awk -v t="$TITULO" 'substr($0, index($0, " ") + 1) == t { print $1 }')
    if [ -n "$principal" ] && [ "$(echo "$lista" | grep -c .)" -gt 1 ] && [ "$(milisegundos)" -ge 1000 ]; then
        if [ "$(echo "$lista" | tail -n1 | cut -d' ' -f1)" = "$principal" ]; then
            echo "a los $(milisegundos) ms la ventana principal tapa la presentación; de abajo arriba:"
            echo "$lista"
            exit 1
        fi
        ordenes=$((ordenes + 1))
        if [ -z "$dominante" ]; then
            presentacion=$(echo "$lista" | tail -n1 | cut -d' ' -f1)
            dominante=$(color_dominante "$presentacion")
        fi
    fi
    if [ "$(milisegundos)" -gt $((ESPERA_MAXIMA * 1000)) ]; then
        echo "tras $ESPERA_MAXIMA s la ventana principal no quedó sola; ventanas:"
        echo "$lista"
        exit 1
    fi
    sleep 0.2
done
sola=$(milisegundos)
echo "ventana principal $principal mostrada; presentación delante en $ordenes muestras (su color más frecuente cubre el ${dominante} % de su área); sola a los ${sola} ms"

if [ "$ordenes" -eq 0 ]; then
    echo "no se vio la presentación delante de la ventana principal después del primer segundo"
    exit 1
fi
# Its picture is a gradient with a drawing and three texts, where no colour
# covers more than a few percent; an area left unpainted is nearly one colour.
if [ "${dominante:-100}" -gt $MAX_DOMINANTE ]; then
    echo "la presentación está delante pero un solo color cubre el ${dominante:-100} % de su área: no se pintó"
    exit 1
fi
if [ "$sola" -lt $((VIDA_PRESENTACION * 1000)) ]; then
    echo "la presentación se cerró antes de sus $VIDA_PRESENTACION s"
    exit 1
fi

# After the sixth second the main window is still the one shown, and the process runs.
while [ "$(milisegundos)" -lt $(((VIDA_PRESENTACION + 1) * 1000)) ]; do sleep 0.2; done
sleep 0.5
vivo
ventanas_mostradas | grep -q "^$principal " || { echo "la ventana principal dejó de mostrarse"; exit 1; }

kill "$pid_programa"
wait "$pid_programa" 2>/dev/null || true
pid_programa_terminado=$pid_programa
pid_programa=""
if kill -0 "$pid_programa_terminado" 2>/dev/null; then
    echo "el programa no terminó con SIGTERM"
    exit 1
fi
echo "terminado por su pid $pid_programa_terminado"

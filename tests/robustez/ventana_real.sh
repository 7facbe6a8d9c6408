#!/usr/bin/env bash
# The built program on a real X server: its main window appears with its
# caption, the splash that stands in front of it for five seconds goes away,
# the main window stays shown and the process keeps running until it is ended
# here by its process id.
# Usage: ventana_real.sh path/to/trabina
set -euo pipefail

programa=$1
readonly TITULO="Cálculo de Cerchas por el metodo de los nodos (Vexo.Parvu.Trabina)"
readonly VIDA_PRESENTACION=5   # seconds the splash lives
readonly ESPERA_MAXIMA=40      # seconds before giving up (slow under sanitizers)

for herramienta in Xvfb xwininfo xprop; do
    command -v "$herramienta" >/dev/null || { echo "falta $herramienta (paquetes xvfb, x11-utils)"; exit 1; }
done

trabajo=$(mktemp -d)
pid_x=""
pid_programa=""
terminar() {
    [ -n "$pid_programa" ] && kill "$pid_programa" 2>/dev/null || true
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

inicio=$(date +%s%3N)
QT_QPA_PLATFORM=xcb "$programa" >"$trabajo/programa.log" 2>&1 &
pid_programa=$!

milisegundos() { echo $(( $(date +%s%3N) - inicio )); }

# The program's top-level windows that are shown: "id title" per line.
ventanas_mostradas() {
    xwininfo -root -children 2>/dev/null | sed -n 's/^ *\(0x[0-9a-f]*\) \(.*\)$/\1 \2/p' | while read -r id resto; do
        xprop -id "$id" _NET_WM_PID 2>/dev/null | grep -q "= $pid_programa\$" || continue
        xwininfo -id "$id" 2>/dev/null | grep -q "Map State: IsViewable" || continue
        titulo=$(xprop -id "$id" _NET_WM_NAME 2>/dev/null | sed -n 's/^[^"]*"\(.*\)"$/\1/p')
        echo "$id $titulo"
    done
}

vivo() {
    kill -0 "$pid_programa" 2>/dev/null || { echo "el programa terminó solo"; cat "$trabajo/programa.log"; exit 1; }
}

principal=""
vio_presentacion=no
while [ -z "$principal" ] || [ "$(ventanas_mostradas | wc -l)" -gt 1 ]; do
    vivo
    lista=$(ventanas_mostradas)
    principal=$(echo "$lista" | awk -v t="$TITULO" 'substr($0, index($0, " ") + 1) == t { print $1 }')
    [ "$(echo "$lista" | grep -c .)" -gt 1 ] && vio_presentacion=si
    if [ "$(milisegundos)" -gt $((ESPERA_MAXIMA * 1000)) ]; then
        echo "tras $ESPERA_MAXIMA s la ventana principal no quedó sola; ventanas:"
        echo "$lista"
        exit 1
    fi
    sleep 0.2
done
sola=$(milisegundos)
echo "ventana principal $principal mostrada; presentación vista: $vio_presentacion; sola a los ${sola} ms"

if [ "$vio_presentacion" != si ]; then
    echo "no se vio la presentación junto a la ventana principal"
    exit 1
fi
if [ "$sola" -lt $((VIDA_PRESENTACION * 1000)) ]; then
    echo "la presentación se cerró antes de sus $VIDA_PRESENTACION s"
    exit 1
fi

# A moment later the main window is still the one shown, and the process runs.
sleep 1
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

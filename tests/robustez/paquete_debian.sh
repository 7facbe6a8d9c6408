#!/usr/bin/env bash
# The Debian package made as the README makes it (cpack -G DEB in the build
# directory) passes lintian without an error. The package is written to a
# scratch folder, so the build directory keeps no package of the test's.
# Usage: paquete_debian.sh build-directory
set -euo pipefail
dir=$1
command -v lintian >/dev/null || { echo "falta lintian (paquete lintian)"; exit 1; }
trabajo=$(mktemp -d)
trap 'rm -rf "$trabajo"' EXIT
(cd "$dir" && cpack -G DEB -B "$trabajo" >"$trabajo/cpack.log") || { cat "$trabajo/cpack.log"; exit 1; }
paquete=$(ls "$trabajo"/trabina_*.deb)
estado=0
lintian --fail-on error "$paquete" >"$trabajo/lintian.log" 2>&1 || estado=$?
# lintian warns that it runs as root; that is no finding about the package.
grep -v 'running with root privileges' "$trabajo/lintian.log" || true
exit "$estado"

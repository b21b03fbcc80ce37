#!/usr/bin/env bash
# Everything from a fresh Debian machine to the declaration on the embedded demo database.
# The demo keeps its database, its list and its alias file in a folder of its own, never next
# to the built program. With a display the window opens; without one the declaration runs
# headless and its rows are written to declaracion.csv in the demo folder.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVIAL_BUILD_DIR:-$top/build}
demo=${QUORVIAL_DEMO_DIR:-${XDG_DATA_HOME:-$HOME/.local/share}/quorvial-demo}

"$top/tools/install-packages.sh"
"$top/tools/build.sh"
[ -f "$demo/Korvella.db" ] || "$build/tools/make_demo_db" --out "$demo"

export KORVELLA_MACHINE_DIR="$demo"
list="$demo/Listado_Antibioticos_Veterinarios_ESVAC.csv"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ "${QUORVIAL_HEADLESS:-0}" != 1 ]; then
  exec "$build/declaration/quorvial" --list "$list" "$@"
fi
"$build/declaration/quorvial" --headless --list "$list" --csv "$demo/declaracion.csv" "$@"
echo "Declaración escrita en $demo/declaracion.csv ($(($(wc -l < "$demo/declaracion.csv") - 1)) productos)"

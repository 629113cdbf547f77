#!/usr/bin/env bash
# Installs what is missing, builds, prepares the demo work folder on first use and starts the workstation.
#   bash scripts/run.sh [WORKDIR]      (default: demo/ in the project folder)
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
kvp_install
kvp_build
WORK="${1:-${KVP_HOME:-$KVP_ROOT/demo}}"
mkdir -p "$WORK"
WORK="$(cd "$WORK" && pwd)"
if [ ! -f "$WORK/database" ]; then
  "$KVP_BUILD/src/tools/kvp-db" create "$WORK/kvp.fdb" --demo
  printf '%s\n' "$WORK/kvp.fdb" > "$WORK/database"
fi
if [ ! -f "$WORK/fr.ini" ]; then
  cp "$KVP_ROOT/scripts/demo-fr.ini" "$WORK/fr.ini"
fi
echo "Рабочая папка: $WORK"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Нет дисплея: запускаю под Xvfb"
  exec xvfb-run -a "$KVP_BUILD/src/app/kvp" --workdir "$WORK"
fi
exec "$KVP_BUILD/src/app/kvp" --workdir "$WORK"

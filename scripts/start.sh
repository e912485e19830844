#!/usr/bin/env bash
# Installs what is missing, builds and starts the program's window on the desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Veltrane is built (build/veltrane), but there is no display to open its window on." >&2
  echo "Run this script from a desktop session, or under a virtual one: xvfb-run -a bash scripts/start.sh" >&2
  exit 1
fi
exec ./build/veltrane "$@"

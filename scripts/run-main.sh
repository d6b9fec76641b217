#!/usr/bin/env bash
# Sets up a fresh machine and runs the main job: builds everything and lets qvhost show the
# plug-ins it loaded, their tools and the About menu.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
build/default/bin/qvhost plugins "$@"

#!/usr/bin/env bash
# Sets up a fresh machine and runs the main job: builds everything, lets qvhost show the
# plug-ins it loaded, their tools and the About menu, then makes the demo gallery (each tool on
# a sample drawing, docs/demo.md) in build/default/qvhost-demo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
build/default/bin/qvhost "$@" plugins
build/default/bin/qvhost "$@" demo --out build/default/qvhost-demo

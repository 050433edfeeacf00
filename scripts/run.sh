#!/usr/bin/env bash
# Installs what is missing, builds, and starts the furthest-built front end on the demo marketplace.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
build_dir=${QUVOLO_BUILD_DIR:-build}
if [ -x "$build_dir/quvolo" ]; then
  exec "$build_dir/quvolo" "$@"
fi
exec "$build_dir/quvolo-cli" "${@:-catalogue}"

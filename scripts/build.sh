#!/usr/bin/env bash
# Configures and builds into build/ (or $QUVOLO_BUILD_DIR); extra arguments go to cmake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${QUVOLO_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"

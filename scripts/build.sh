#!/bin/bash
# Configures and builds the given presets (see CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in "$@"; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done

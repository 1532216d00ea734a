#!/usr/bin/env bash
# Sets up this machine, builds Tessera2 and runs the whole test suite through ctest.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
"$ROOT/scripts/setup.sh"

# Headless windows, and the web engine as root.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --disable-dev-shm-usage"
export LC_ALL=C.UTF-8

# A real printer queue for the printing tests, when we may start one.
if [ -x "$ROOT/scripts/start-printer.sh" ]; then
  "$ROOT/scripts/start-printer.sh" || echo "No printer queue: the printing tests will say so."
fi

ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 600 -j2 "$@"

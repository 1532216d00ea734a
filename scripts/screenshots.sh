#!/usr/bin/env bash
# Renders every window of Tessera2 to a PNG file under a virtual X server.
#   scripts/screenshots.sh [folder]      (default: ./screenshots)
#   scripts/screenshots.sh --readme      (the README's pictures, into docs/screenshots)
# Builds tessera-screenshots first when needed (in $BUILD_DIR, default ./build).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
MODE=()
if [ "${1:-}" = "--readme" ]; then
  MODE=(--readme)
  OUT="$ROOT/docs/screenshots"
else
  OUT="${1:-$PWD/screenshots}"
fi

if [ ! -f "$BUILD_DIR/build.ninja" ] && [ ! -f "$BUILD_DIR/Makefile" ]; then
  generator=()
  command -v ninja >/dev/null && generator=(-G Ninja)
  cmake -S "$ROOT" -B "$BUILD_DIR" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$BUILD_DIR" --target tessera-screenshots

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p -m700 "$XDG_RUNTIME_DIR"
export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu --disable-dev-shm-usage}"
mkdir -p "$OUT"
# In English, whatever the language of the person who runs it.
export LANGUAGE=en
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$BUILD_DIR/tests/screenshots/tessera-screenshots" "${MODE[@]}" "$OUT"

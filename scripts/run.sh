#!/usr/bin/env bash
# Sets up this machine, builds Tessera2 and starts it.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$ROOT/scripts/setup.sh"
exec "${BUILD_DIR:-$ROOT/build}/app/tessera" "$@"

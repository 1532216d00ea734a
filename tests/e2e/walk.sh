#!/usr/bin/env bash
# A person's walk through Tessera2: start-up show, advanced mode, encrypt with
# the button and with F5, clear, decrypt with F6, print, the wizard's
# decryption path with printing, the file encryption window, exit.
#   walk.sh TESSERA TESSERA_CLI SHOT_DIR
set -euo pipefail
TESSERA="$1"
CLI="$2"
SHOTS="${TESSERA_E2E_SHOTS:-$3}"
HERE="$(cd "$(dirname "$0")" && pwd)"

for tool in xvfb-run xdotool xclip import; do
  if ! command -v "$tool" >/dev/null; then
    echo "e2e walk needs $tool (scripts/setup.sh installs it)" >&2
    exit 1
  fi
done
rm -rf "$SHOTS"
mkdir -p "$SHOTS"
export TESSERA="$CLI" TESSERA_APP="$TESSERA" TESSERA_CLI="$CLI" SHOTS
unset QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$HERE/walk-inner.sh"

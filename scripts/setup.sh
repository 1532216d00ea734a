#!/usr/bin/env bash
# Installs what this machine lacks (Debian packages), then configures and builds
# Tessera2 into build/. Used by run.sh and test.sh; safe to run again.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
BUILD_TYPE="${BUILD_TYPE:-Release}"

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-image-formats-plugins qt6-webengine-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth xdotool xclip imagemagick fonts-dejavu-core fonts-liberation2
  cups cups-bsd printer-driver-cups-pdf poppler-utils
  openssl time clang libclang-rt-14-dev dpkg-dev desktop-file-utils help2man lintian
  libsodium-dev libssl-dev libzxcvbn-dev age
  libicu-dev libqrencode-dev zbar-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
)

missing=()
for pkg in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

WERROR=OFF
if [ "${CI:-}" = "true" ]; then WERROR=ON; fi

cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja \
  -DCMAKE_BUILD_TYPE="$BUILD_TYPE" -DTESSERA_WERROR="$WERROR" "$@"
cmake --build "$BUILD_DIR" --parallel "$(nproc)"

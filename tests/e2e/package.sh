#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a fresh folder as if installed
# there, checks the desktop files, and starts the packaged tessera under Xvfb.
#   package.sh BUILD_DIR
set -euo pipefail
BUILD="$1"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

(cd "$BUILD" && cpack -G DEB -B "$WORK/deb" >/dev/null)
deb=$(ls "$WORK"/deb/tessera_*.deb)
echo "package: $(basename "$deb")"
dpkg-deb --field "$deb" Depends | tee "$WORK/depends"
grep -q "libqt6widgets6" "$WORK/depends" || { echo "the package does not depend on Qt 6" >&2; exit 1; }

ROOT="$WORK/root"
dpkg-deb -x "$deb" "$ROOT"
for f in usr/bin/tessera usr/bin/tessera-cli \
         usr/share/applications/org.tessera2.Tessera2.desktop \
         usr/share/metainfo/org.tessera2.Tessera2.metainfo.xml \
         usr/share/icons/hicolor/48x48/apps/org.tessera2.Tessera2.png \
         usr/share/icons/hicolor/256x256/apps/org.tessera2.Tessera2.png; do
  [ -e "$ROOT/$f" ] || { echo "missing from the package: $f" >&2; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$ROOT/usr/share/applications/org.tessera2.Tessera2.desktop"
fi

"$ROOT/usr/bin/tessera-cli" --version
export XDG_RUNTIME_DIR="$WORK/runtime" XDG_CACHE_HOME="$WORK/cache"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
xvfb-run -a bash -c '
  "$0/usr/bin/tessera" & pid=$!
  for _ in $(seq 1 100); do
    if xdotool search --onlyvisible --name "^Tessera 2\.0\$" >/dev/null 2>&1; then
      echo "the packaged tessera shows its splash window"
      kill $pid; exit 0
    fi
    sleep 0.1
  done
  kill $pid 2>/dev/null; echo "the packaged tessera showed no window" >&2; exit 1' "$ROOT"
echo "1 passed, 0 failed"

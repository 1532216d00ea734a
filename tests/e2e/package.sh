#!/usr/bin/env bash
# Builds the Debian package, checks it with Debian's lintian (no error, no
# warning), unpacks it into a fresh folder as if installed there, checks the
# desktop files and manual pages, asks the packaged tessera for its version
# and help without a display, and starts it under Xvfb.
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

# Informational and pedantic notes are fine; errors and warnings are not.
lintian --fail-on error,warning "$deb" 2> >(grep -v "running with root privileges" >&2) \
  || { echo "lintian found errors or warnings in the package" >&2; exit 1; }
echo "lintian: no errors or warnings"

ROOT="$WORK/root"
dpkg-deb -x "$deb" "$ROOT"
for f in usr/bin/tessera usr/bin/tessera-cli \
         usr/share/applications/org.tessera2.Tessera2.desktop \
         usr/share/metainfo/org.tessera2.Tessera2.metainfo.xml \
         usr/share/icons/hicolor/48x48/apps/org.tessera2.Tessera2.png \
         usr/share/icons/hicolor/256x256/apps/org.tessera2.Tessera2.png \
         usr/share/doc/tessera/copyright usr/share/doc/tessera/changelog.gz \
         usr/share/man/man1/tessera.1.gz usr/share/man/man1/tessera-cli.1.gz; do
  [ -e "$ROOT/$f" ] || { echo "missing from the package: $f" >&2; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$ROOT/usr/share/applications/org.tessera2.Tessera2.desktop"
fi

"$ROOT/usr/bin/tessera-cli" --version
for program in tessera tessera-cli; do
  page=$(zcat "$ROOT/usr/share/man/man1/$program.1.gz")
  [[ "$page" == *"$program \\- encrypt"* && "$page" == *"\\-\\-version"* ]] \
    || { echo "the manual page of $program lacks its name or options" >&2; exit 1; }
done

# No display at all: the installed program still answers, and tells how to
# start it by the name that finds it on PATH.
nodisplay() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM PATH="$ROOT/usr/bin:$PATH" "$@"; }
version=$(nodisplay tessera --version) && [[ "$version" =~ ^tessera\ [0-9.]+$ ]] \
  || { echo "tessera --version gave no version without a display: $version" >&2; exit 1; }
help=$(nodisplay tessera --help) && [[ "$help" == Usage:* ]] \
  || { echo "tessera --help gave no usage without a display" >&2; exit 1; }
hint=$(nodisplay tessera 2>&1 >/dev/null) && { echo "tessera started without a display" >&2; exit 1; }
[ "$hint" = "tessera: no display found; start it from a desktop session, or headless with: xvfb-run -a tessera" ] \
  || { echo "unexpected hint without a display: $hint" >&2; exit 1; }
echo "tessera answers --version and --help without a display"

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

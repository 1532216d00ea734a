#!/usr/bin/env bash
# tessera with no display at all (no DISPLAY, WAYLAND_DISPLAY or
# QT_QPA_PLATFORM): --help and --version answer, and a plain start names the
# program as the user can start it under xvfb-run.
#   without_display.sh TESSERA VERSION
set -euo pipefail
TESSERA="$1"
VERSION="$2"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }

# Runs the program with no display; stdout, stderr and status into $WORK.
bare() {
  local rc=0
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" >"$WORK/out" 2>"$WORK/err" || rc=$?
  echo "$rc" >"$WORK/rc"
}
expect_status() { [ "$(cat "$WORK/rc")" = "$1" ] || fail "$2: status $(cat "$WORK/rc"), expected $1 ($(cat "$WORK/err"))"; }
expect_hint() { # the command the hint must name, what was run
  local want="no display found; start it from a desktop session, or headless with: xvfb-run -a $1"
  expect_status 1 "$2"
  grep -qxF "tessera: $want" "$WORK/err" || fail "$2: hint was '$(cat "$WORK/err")', expected one naming '$1'"
  [ ! -s "$WORK/out" ] || fail "$2: wrote to standard output"
}

bare "$TESSERA" --version
expect_status 0 "--version"
[ "$(cat "$WORK/out")" = "tessera $VERSION" ] || fail "--version printed '$(cat "$WORK/out")'"

for opt in --help -h; do
  bare "$TESSERA" "$opt"
  expect_status 0 "$opt"
  grep -q "^Usage:" "$WORK/out" && grep -q -- "--version" "$WORK/out" || fail "$opt printed no usage"
  [ ! -s "$WORK/err" ] || fail "$opt wrote to standard error: $(cat "$WORK/err")"
done
# After "--", --help is no option of ours.
bare "$TESSERA" -- --help
expect_status 1 "-- --help"

# From a build folder: the path it was started by, absolute or relative.
bin="$WORK/build/app"
mkdir -p "$bin"
cp "$TESSERA" "$bin/tessera"
bare "$bin/tessera"
expect_hint "$bin/tessera" "started by its absolute path"
(cd "$WORK/build" && bare ./app/tessera)
expect_hint "./app/tessera" "started by a relative path"

# Installed: found on PATH by its name, however it was started.
bare env PATH="$bin:$PATH" tessera
expect_hint "tessera" "started from PATH"
bare env PATH="$bin:$PATH" "$bin/tessera"
expect_hint "tessera" "started by the path of the one on PATH"

# Another program of that name comes first on PATH: the bare name would not
# start this one.
other="$WORK/other"
mkdir -p "$other"
printf '#!/bin/sh\nexit 0\n' >"$other/tessera"
chmod +x "$other/tessera"
bare env PATH="$other:$bin:$PATH" "$bin/tessera"
expect_hint "$bin/tessera" "another tessera on PATH"

# A path a shell would split is quoted.
spaced="$WORK/my build"
mkdir -p "$spaced"
cp "$TESSERA" "$spaced/tessera"
bare "$spaced/tessera"
expect_hint "'$spaced/tessera'" "a path with a space"

if [ "$failures" -ne 0 ]; then echo "$failures failed" >&2; exit 1; fi
echo "all passed"

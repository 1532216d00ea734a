#!/usr/bin/env bash
# Sets up this machine, builds Tessera2 and runs the whole test suite through
# ctest: the tests of the ordinary build; the core's and the command line's
# tests in a build without the desktop program and without libcrypto, under
# ThreadSanitizer; the suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer; then the fuzzers for a bounded time.
# TESSERA_QUICK=1 runs the first stage only. Extra arguments go to ctest.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
ASAN_DIR="${ASAN_DIR:-$ROOT/build-asan}"
TSAN_DIR="${TSAN_DIR:-$ROOT/build-tsan}"
"$ROOT/scripts/setup.sh"

# Headless windows, and the web engine as root.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu --disable-dev-shm-usage"
export LC_ALL=C.UTF-8
# The tests expect the programs' English: LANGUAGE outranks LC_ALL when a
# program picks its language.
export LANGUAGE=en

# A real printer queue for the printing tests, when one can be started here.
if [ -x "$ROOT/scripts/start-printer.sh" ]; then
  "$ROOT/scripts/start-printer.sh" || echo "No printer queue could be started; printing tests will skip."
fi

echo "== Tests"
ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 600 -j2 "$@"

if [ "${TESSERA_QUICK:-}" = "1" ]; then exit 0; fi

# The core, tessera-cli and their tests need Qt Core only: a tree configured
# without the desktop program never looks for the rest of Qt. It is built
# without libcrypto too, so that libsodium's side of every primitive is tested,
# and under ThreadSanitizer, for both cores at work in the chunk pipeline. A
# test process that starts tessera-cli forks while other threads run; the child
# only execs, which ThreadSanitizer must be told to allow.
echo "== Without the desktop program and without libcrypto, under ThreadSanitizer"
BUILD_DIR="$TSAN_DIR" BUILD_TYPE=RelWithDebInfo "$ROOT/scripts/setup.sh" \
  -DTESSERA_SANITIZE_THREAD=ON -DTESSERA_BUILD_GUI=OFF -DTESSERA_WITH_LIBCRYPTO=OFF \
  -DTESSERA_BUILD_BENCH=OFF
TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:die_after_fork=0" \
  ctest --test-dir "$TSAN_DIR" --output-on-failure --timeout 900 -j2 "$@"

echo "== Tests under AddressSanitizer and UndefinedBehaviorSanitizer"
BUILD_DIR="$ASAN_DIR" BUILD_TYPE=Debug "$ROOT/scripts/setup.sh" \
  -DTESSERA_SANITIZE=ON -DTESSERA_BUILD_BENCH=OFF
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$ASAN_DIR" --output-on-failure --timeout 900 -j2 -LE "no-sanitize" "$@"

echo "== Fuzzers"
# The fuzzers' own sanitizer options; 30 s for each target keeps the run bounded.
env -u ASAN_OPTIONS FUZZ_SECONDS="${FUZZ_SECONDS:-30}" "$ROOT/scripts/fuzz.sh"

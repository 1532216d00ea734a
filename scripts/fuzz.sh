#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (FUZZ_SECONDS, default 60) on the seed corpus kept in fuzz/corpus/. New inputs
# go to a scratch folder; crashes are saved under build-fuzz/artifacts/.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
SECONDS_EACH="${FUZZ_SECONDS:-60}"

CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSERA_FUZZ=ON -DTESSERA_BUILD_GUI=OFF -DTESSERA_BUILD_TESTS=OFF -DTESSERA_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target fuzz_message_reader fuzz_fields fuzz_sealed

mkdir -p "$BUILD/artifacts"
status=0
for target in fuzz_message_reader fuzz_fields fuzz_sealed; do
  work="$(mktemp -d)"
  echo "== $target for ${SECONDS_EACH}s"
  if ! "$BUILD/fuzz/$target" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=512 \
      -max_len=65536 -print_final_stats=1 -artifact_prefix="$BUILD/artifacts/$target-" \
      "$work" "$ROOT/fuzz/corpus/${target#fuzz_}" 2>"$BUILD/$target.log"; then
    status=1
    tail -40 "$BUILD/$target.log"
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb|Done [0-9]+ runs" "$BUILD/$target.log" || true
  rm -rf "$work"
done
exit $status

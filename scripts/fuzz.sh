#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each on the seed corpus kept
# in fuzz/corpus/, for FUZZ_SECONDS each (default 60), or for FUZZ_RUNS inputs
# each when that is set. FUZZ_TARGETS narrows the list. New inputs go to a
# scratch folder; crashes are saved under build-fuzz/artifacts/.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
SECONDS_EACH="${FUZZ_SECONDS:-60}"
read -r -a TARGETS <<<"${FUZZ_TARGETS:-fuzz_message_reader fuzz_fields fuzz_sealed fuzz_sealed_message fuzz_sealed_header fuzz_sealed_recipients}"

CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSERA_FUZZ=ON -DTESSERA_BUILD_GUI=OFF -DTESSERA_BUILD_TESTS=OFF -DTESSERA_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target "${TARGETS[@]}"

# A smaller quarantine keeps the sanitizer's memory well under the limit; the
# strcmp calls inside libcrypto (its parameter names, on every sealed record)
# are neither ours nor worth a comparison hook each.
export ASAN_OPTIONS="${ASAN_OPTIONS:-quarantine_size_mb=64:intercept_strcmp=0}"
if [[ -n "${FUZZ_RUNS:-}" ]]; then limit=(-runs="$FUZZ_RUNS"); else limit=(-max_total_time="$SECONDS_EACH"); fi

mkdir -p "$BUILD/artifacts"
status=0
for target in "${TARGETS[@]}"; do
  # The sealed readers gain nothing from inputs past a few records, and long
  # inputs slow every run; the classic readers see whole files.
  case "$target" in fuzz_sealed*) max_len=2048 ;; *) max_len=65536 ;; esac
  work="$(mktemp -d)"
  echo "== $target (${limit[*]})"
  if ! "$BUILD/fuzz/$target" "${limit[@]}" -timeout=10 -rss_limit_mb=512 \
      -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$BUILD/artifacts/$target-" \
      "$work" "$ROOT/fuzz/corpus/${target#fuzz_}" 2>"$BUILD/$target.log"; then
    status=1
    tail -40 "$BUILD/$target.log"
  fi
  grep -E "stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb|Done [0-9]+ runs" "$BUILD/$target.log" || true
  rm -rf "$work"
done
exit $status

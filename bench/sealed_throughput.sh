#!/usr/bin/env bash
# Throughput of the sealed engine against age on one large file.
#
#   bench/sealed_throughput.sh [path/to/bench_sealed_file]
#
# Makes a file of SIZE_MIB MiB (default 1024) of random bytes in a temporary
# folder, then times, in ROUNDS rotated rounds (default 3), each writing a new
# file:
#   cp                 (the floor: an in-kernel copy)
#   age encrypt        (to an X25519 recipient from age-keygen: its passphrase
#                       mode reads only from a terminal)
#   sealed seal        (bench_sealed_file: the engine between an unbuffered
#                       QFile and the safe writer, key derivation included,
#                       64 MiB and 3 passes)
#   age decrypt, sealed open (of the files the two made)
# Every timed run follows an untimed one of the same tool, so each is timed in
# its own steady state. Prints the median and best times, the throughput, the
# ratio of sealed to age (above 1 = faster) and the peak memory from
# /usr/bin/time -v. The targets (sealed at least 1.2 times as fast as age both
# ways, peak memory at most 64 + 32 MiB) are judged on the best of the rounds,
# which the stalls of a virtual machine distort least. Use a Release build, on
# a machine nothing else is using. TMPDIR chooses the disk.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
bench=${1:-$here/../build/bench/bench_sealed_file}
size_mib=${SIZE_MIB:-1024}
rounds=${ROUNDS:-3}

for tool in /usr/bin/time age age-keygen cp; do
    if ! command -v "$tool" >/dev/null; then
        echo "missing: $tool (apt-get install -y time age coreutils)" >&2
        exit 2
    fi
done
if [ ! -x "$bench" ]; then
    echo "no bench_sealed_file at $bench (build it, or give its path)" >&2
    exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/sealed-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
input=$work/input
output=$work/output
printf 'benchmark password' >"$work/pw"
age-keygen -o "$work/key.txt" 2>/dev/null
recipient=$(age-keygen -y "$work/key.txt")

echo "Making a file of $size_mib MiB in $work ..."
head -c "$((size_mib * 1024 * 1024))" /dev/urandom >"$input"
age -r "$recipient" -o "$work/input.age" "$input"
"$bench" seal "$work/pw" "$input" "$work/input.sealed" 2>/dev/null
cat "$input" "$work/input.age" "$work/input.sealed" >/dev/null # into the page cache

tools=(cp age-encrypt seal age-decrypt open)
command_of() { # tool -> the command that writes $output
    case $1 in
    cp) echo cp "$input" "$output" ;;
    age-encrypt) echo age -r "$recipient" -o "$output" "$input" ;;
    seal) echo "$bench" seal "$work/pw" "$input" "$output" ;;
    age-decrypt) echo age -d -i "$work/key.txt" -o "$output" "$work/input.age" ;;
    open) echo "$bench" open "$work/pw" "$work/input.sealed" "$output" ;;
    esac
}

run_once() { # tool: appends "seconds kib" to its list
    local tool=$1 cmd t0 t1 kib
    read -r -a cmd <<<"$(command_of "$tool")"
    rm -f "$output"
    "${cmd[@]}" 2>/dev/null
    sync
    sleep 0.5
    rm -f "$output"
    t0=$(date +%s.%N)
    /usr/bin/time -v -o "$work/time.txt" "${cmd[@]}" 2>/dev/null
    t1=$(date +%s.%N)
    kib=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
    echo "$(awk -v a="$t0" -v b="$t1" 'BEGIN {printf "%.4f", b - a}') $kib" >>"$work/$tool.txt"
}

for ((r = 0; r < rounds; r++)); do
    for ((t = 0; t < ${#tools[@]}; t++)); do
        run_once "${tools[(r + t) % ${#tools[@]}]}"
    done
done

# The sealed file opens to the input.
rm -f "$output"
"$bench" open "$work/pw" "$work/input.sealed" "$output" 2>/dev/null
if cmp -s "$input" "$output"; then check="round trip checked"; else check="ROUND TRIP FAILED"; fi

stats() { # file -> "median best peak_kib"
    sort -n "$1" | awk '{t[NR] = $1; if ($2 > m) m = $2}
        END {med = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2;
             print med, t[1], m}'
}

echo
echo "File: $size_mib MiB, $rounds rounds, $(uname -r), $(nproc) cores; $check"
printf '  %-12s %9s %9s %10s %10s %9s\n' tool "median s" "best s" "GB/s med" "GB/s best" "peak MiB"
for tool in "${tools[@]}"; do
    read -r med best kib <<<"$(stats "$work/$tool.txt")"
    awk -v t="$tool" -v med="$med" -v best="$best" -v kib="$kib" -v size="$size_mib" 'BEGIN {
        bytes = size * 1048576 / 1e9
        printf "  %-12s %9.3f %9.3f %10.3f %10.3f %9.1f\n",
            t, med, best, bytes / med, bytes / best, kib / 1024 }'
done
for tool in "${tools[@]}"; do
    printf '  %-12s runs: %s\n' "$tool" "$(awk '{printf "%.3f ", $1}' "$work/$tool.txt")"
done

verdict=0
read -r _ seal_best seal_kib <<<"$(stats "$work/seal.txt")"
read -r _ open_best open_kib <<<"$(stats "$work/open.txt")"
read -r _ agee_best _ <<<"$(stats "$work/age-encrypt.txt")"
read -r _ aged_best _ <<<"$(stats "$work/age-decrypt.txt")"
awk -v s="$seal_best" -v o="$open_best" -v e="$agee_best" -v d="$aged_best" 'BEGIN {
    printf "  sealed vs age (best): seal %.2fx, open %.2fx\n", e / s, d / o }'
if awk -v s="$seal_best" -v o="$open_best" -v e="$agee_best" -v d="$aged_best" \
    -v sk="$seal_kib" -v ok="$open_kib" \
    'BEGIN {exit !(e / s >= 1.2 && d / o >= 1.2 && sk <= 96 * 1024 && ok <= 96 * 1024)}'; then
    echo "  targets met (best of $rounds): at least 1.2 times as fast as age both ways, at most 96 MiB"
else
    echo "  TARGETS MISSED (best of $rounds: at least 1.2 times as fast as age both ways, at most 96 MiB)"
    verdict=1
fi
[ "$check" = "round trip checked" ] || verdict=1
exit $verdict

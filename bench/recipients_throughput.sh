#!/usr/bin/env bash
# Sealing to people, whole processes, beside age's X25519 mode.
#
#   bench/recipients_throughput.sh [path/to/tessera-cli]
#
# Makes a file of SIZE_MIB MiB (default 1024) of random bytes in a folder of
# TMPDIR (default /dev/shm, a tmpfs: the programs are measured, not the disk),
# then times in ROUNDS interleaved rounds (default 5), each writing a new file:
#   age      age -r RECIPIENT             (a key from age-keygen)
#   people   tessera-cli encrypt-file --to RECIPIENT
#   age-d    age -d -i KEY
#   people-d tessera-cli decrypt-file --identity IDENTITY (unprotected)
# and prints the median and the best time of each with the peak memory from
# /usr/bin/time -v. The goal, judged on the best of the rounds (a virtual
# machine's stalls distort the others): at least twice age's speed both ways,
# at most 96 MiB. Then KEYGENS runs (default 30) of tessera-cli keygen as a
# whole process into new files, against 10 ms; and of tessera-cli decrypt of a
# 10000-character message sealed to 10 people (the opener's entry last) beside
# tessera-cli decrypt-file of an empty file to one person: the difference is
# what the ten entries cost, against 5 ms. Use a Release build.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-$here/../build/cli/tessera-cli}
size_mib=${SIZE_MIB:-1024}
rounds=${ROUNDS:-5}
keygens=${KEYGENS:-30}

for tool in /usr/bin/time age age-keygen cmp; do
    if ! command -v "$tool" >/dev/null; then
        echo "missing: $tool (apt-get install -y time age diffutils)" >&2
        exit 2
    fi
done
if [ ! -x "$cli" ]; then
    echo "no tessera-cli at $cli (build it, or give its path)" >&2
    exit 2
fi

work=$(mktemp -d "${TMPDIR:-/dev/shm}/recipients-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
input=$work/input
output=$work/output

echo "Making a file of $size_mib MiB in $work ..."
head -c "$((size_mib * 1024 * 1024))" /dev/urandom >"$input"
age-keygen -o "$work/age.key" 2>/dev/null
age_recipient=$(age-keygen -y "$work/age.key")
recipient=$("$cli" keygen --output "$work/me.key" 2>/dev/null)
age -r "$age_recipient" -o "$work/input.age" "$input"
"$cli" encrypt-file --to "$recipient" "$input" "$work/input.people"

tools=(age people age-d people-d)
command_of() { # tool -> the command that writes $output
    case $1 in
    age) echo age -r "$age_recipient" -o "$output" "$input" ;;
    people) echo "$cli" encrypt-file --to "$recipient" "$input" "$output" ;;
    age-d) echo age -d -i "$work/age.key" -o "$output" "$work/input.age" ;;
    people-d) echo "$cli" decrypt-file --identity "$work/me.key" "$work/input.people" "$output" ;;
    esac
}

# One timed run after an untimed one of the same tool; appends "seconds kib".
run_once() {
    local tool=$1 cmd
    read -r -a cmd <<<"$(command_of "$tool")"
    rm -f "$output"
    "${cmd[@]}"
    rm -f "$output"
    local t0 t1 kib
    t0=$(date +%s.%N)
    /usr/bin/time -v -o "$work/time.txt" "${cmd[@]}"
    t1=$(date +%s.%N)
    kib=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
    echo "$(awk -v a="$t0" -v b="$t1" 'BEGIN {printf "%.4f", b - a}') $kib" >>"$work/$tool.txt"
}

for ((r = 0; r < rounds; r++)); do
    for ((t = 0; t < ${#tools[@]}; t++)); do
        run_once "${tools[(r + t) % ${#tools[@]}]}"
    done
done

check="round trip checked"
"$cli" decrypt-file --identity "$work/me.key" "$work/input.people" "$output.back" &&
    cmp -s "$input" "$output.back" || check="ROUND TRIP FAILED"
rm -f "$output.back"

stats() { # file -> "median best peak_kib"
    sort -n "$1" | awk '{t[NR] = $1; if ($2 > m) m = $2}
        END {med = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2;
             print med, t[1], m}'
}

echo
echo "File: $size_mib MiB on $(df --output=fstype "$work" | tail -1), $rounds rounds, $(nproc) cores; $check"
printf '  %-9s %9s %9s %11s %11s %9s\n' tool "median s" "best s" "MiB/s med" "MiB/s best" "peak MiB"
for tool in "${tools[@]}"; do
    read -r med best kib <<<"$(stats "$work/$tool.txt")"
    awk -v t="$tool" -v med="$med" -v best="$best" -v kib="$kib" -v size="$size_mib" 'BEGIN {
        printf "  %-9s %9.3f %9.3f %11.0f %11.0f %9.1f\n", t, med, best, size / med, size / best, kib / 1024 }'
done
read -r seal_med seal_best seal_kib <<<"$(stats "$work/people.txt")"
read -r open_med open_best open_kib <<<"$(stats "$work/people-d.txt")"
read -r age_med age_best _ <<<"$(stats "$work/age.txt")"
read -r aged_med aged_best _ <<<"$(stats "$work/age-d.txt")"
awk -v s="$seal_best" -v o="$open_best" -v a="$age_best" -v d="$aged_best" \
    -v sm="$seal_med" -v om="$open_med" -v am="$age_med" -v dm="$aged_med" \
    'BEGIN {printf "  against age: encrypting %.2f times as fast (median %.2f), decrypting %.2f times (median %.2f)\n",
            a / s, am / sm, d / o, dm / om}'
verdict=0
if awk -v s="$seal_best" -v o="$open_best" -v a="$age_best" -v d="$aged_best" \
    -v k1="$seal_kib" -v k2="$open_kib" \
    'BEGIN {exit !(a / s >= 2 && d / o >= 2 && k1 <= 96 * 1024 && k2 <= 96 * 1024)}'; then
    echo "  goal met (best of $rounds): at least twice age's speed both ways, at most 96 MiB"
else
    echo "  GOAL MISSED (best of $rounds: at least twice age's speed both ways, at most 96 MiB)"
    verdict=1
fi
rm -f "$input" "$work/input.age" "$work/input.people" "$output"

# Small processes: the time of each, best and median of many.
time_runs() { # label, then the command; each run may use $i
    local label=$1
    shift
    : >"$work/runs.txt"
    for ((i = 0; i < keygens; i++)); do
        local t0 t1
        t0=$(date +%s%N)
        "$@" "$i" >/dev/null 2>&1
        t1=$(date +%s%N)
        echo $(((t1 - t0) / 1000)) >>"$work/runs.txt"
    done
    sort -n "$work/runs.txt" | awk -v l="$label" '{t[NR] = $1}
        END {printf "  %-34s best %6.2f ms, median %6.2f ms\n", l, t[1] / 1000, t[int((NR + 1) / 2)] / 1000}'
}
keygen_into() { "$cli" keygen --output "$work/key-$1"; }
echo
echo "Small processes, $keygens runs each:"
time_runs "keygen (no --protect)" keygen_into

people_args=()
for ((p = 0; p < 9; p++)); do
    people_args+=(--to "$("$cli" keygen --output "$work/other-$p.key" 2>/dev/null)")
done
head -c 10000 /dev/urandom | base64 -w 76 | head -c 10000 >"$work/text"
"$cli" encrypt "${people_args[@]}" --to "$recipient" --output "$work/ten.msg" "$work/text"
: >"$work/empty"
"$cli" encrypt-file --to "$recipient" "$work/empty" "$work/one.sealed"
open_ten() { "$cli" decrypt --identity "$work/me.key" --output "$work/ten-$1.txt" "$work/ten.msg"; }
open_one() { "$cli" decrypt-file --identity "$work/me.key" "$work/one.sealed" "$work/one-$1"; }
time_runs "decrypt: a message to 10 people" open_ten
time_runs "decrypt-file: an empty file to one" open_one
cmp -s "$work/text" "$work/ten-0.txt" || { echo "  MESSAGE ROUND TRIP FAILED"; verdict=1; }
exit $verdict

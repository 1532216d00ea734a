#!/usr/bin/env bash
# Throughput of the file cipher, classic and sealed, against cp, openssl and
# age on one large file.
#
#   bench/filecipher_throughput.sh [path/to/tessera-cli]
#
# Makes a file of SIZE_MIB MiB (default 1024) of random bytes in a temporary
# folder, then times, in ROUNDS interleaved rounds (default 5), each writing a
# new file:
#   cp                      (GNU cp: an in-kernel copy_file_range where it can)
#   openssl enc -chacha20   (key and IV given, so no key derivation is timed)
#   age                     (encrypting to an X25519 recipient from age-keygen:
#                            its passphrase mode reads only from a terminal)
#   classic                 (tessera-cli encrypt-file)
#   sealed                  (tessera-cli encrypt-file --sealed: Argon2id with
#                            64 MiB and 3 passes included)
#   age-d, sealed-d         (decrypting what age and the sealed pass made)
# and again cp, openssl, age, classic and sealed each replacing an existing
# copy of the same size. Our outputs go to the disk (fdatasync) before they
# take their name, new or not; cp, openssl and age do not, so in the replacing
# table they are timed together with `sync FILE`, the same work done
# afterwards: that table compares like with like.
# The order of the tools turns round from one round to the next, and every
# timed run follows an untimed one of the same tool (see run_once).
# Prints the median and the best time of each, the throughput, the ratio of
# ours to cp (1.0 = as fast as cp) and the peak memory from /usr/bin/time -v.
# The targets are judged on the new-file table, on the best of the rounds:
# classic at least 0.9 of cp, faster than openssl, under 32 MiB; sealed at
# least 1.4 times as fast as age both ways (1.8 the aim), at most 96 MiB. The
# best of the rounds, because on a virtual
# machine a run that lands on memory the host has taken back can take several
# times as long, whichever tool it is, and the best time is the one such
# stalls do not distort; the medians are printed beside them. Use a Release
# build. TMPDIR chooses the disk: a tmpfs measures the programs, not the disk.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-$here/../build-filecipher-release/cli/tessera-cli}
size_mib=${SIZE_MIB:-1024}
rounds=${ROUNDS:-5}

for tool in /usr/bin/time openssl cp sync age age-keygen; do
    if ! command -v "$tool" >/dev/null; then
        echo "missing: $tool (apt-get install -y time openssl coreutils age)" >&2
        exit 2
    fi
done
if [ ! -x "$cli" ]; then
    echo "no tessera-cli at $cli (build it, or give its path)" >&2
    exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/filecipher-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
input=$work/input
output=$work/output
printf 'benchmark password' >"$work/pw"
key=$(printf '%064d' 7)
iv=$(printf '%032d' 9)

echo "Making a file of $size_mib MiB in $work ..."
openssl rand -out "$input" $((size_mib * 1024 * 1024)) 2>/dev/null ||
    head -c "$((size_mib * 1024 * 1024))" /dev/urandom >"$input"
age-keygen -o "$work/key.txt" 2>/dev/null
recipient=$(age-keygen -y "$work/key.txt")
age -r "$recipient" -o "$work/input.age" "$input"
"$cli" encrypt-file --sealed --password-file "$work/pw" "$input" "$work/input.sealed"
# Into the page cache, the same for every tool.
cat "$input" "$work/input.age" "$work/input.sealed" >/dev/null

tools=(cp openssl age classic sealed age-d sealed-d)
replacing=(cp openssl age classic sealed)
command_of() { # tool -> the command that writes $output
    case $1 in
    cp) echo cp "$input" "$output" ;;
    openssl) echo openssl enc -chacha20 -K "$key" -iv "$iv" -in "$input" -out "$output" ;;
    age) echo age -r "$recipient" -o "$output" "$input" ;;
    classic) echo "$cli" encrypt-file --password-file "$work/pw" "$input" "$output" ;;
    sealed) echo "$cli" encrypt-file --sealed --password-file "$work/pw" "$input" "$output" ;;
    age-d) echo age -d -i "$work/key.txt" -o "$output" "$work/input.age" ;;
    sealed-d) echo "$cli" decrypt-file --password-file "$work/pw" "$work/input.sealed" "$output" ;;
    esac
}
ours() { [ "$1" = classic ] || [ "$1" = sealed ] || [ "$1" = sealed-d ]; }

# One timed run: scenario (new|replace), tool. Appends "seconds kib" to a list.
run_once() {
    local scenario=$1 tool=$2
    local cmd
    read -r -a cmd <<<"$(command_of "$tool")"
    # Every timed run follows an untimed run of the same tool, whose output is
    # written back to the disk and then removed (for a new file) or replaced:
    # each tool is timed in its own steady state, whatever ran before it.
    rm -f "$output"
    "${cmd[@]}"
    sync
    sleep 0.5
    if [ "$scenario" = new ]; then
        rm -f "$output"
    fi
    local t0 t1
    t0=$(date +%s.%N)
    /usr/bin/time -v -o "$work/time.txt" "${cmd[@]}"
    if [ "$scenario" = replace ] && ! ours "$tool"; then
        sync "$output"
    fi
    t1=$(date +%s.%N)
    local kib
    kib=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time.txt")
    echo "$(awk -v a="$t0" -v b="$t1" 'BEGIN {printf "%.4f", b - a}') $kib" \
        >>"$work/$scenario-$tool.txt"
}

for ((r = 0; r < rounds; r++)); do
    for ((t = 0; t < ${#tools[@]}; t++)); do
        run_once new "${tools[(r + t) % ${#tools[@]}]}"
    done
done
for ((r = 0; r < rounds; r++)); do
    for ((t = 0; t < ${#replacing[@]}; t++)); do
        run_once replace "${replacing[(r + t) % ${#replacing[@]}]}"
    done
done

# The copies really are the ciphers': deciphering each gives the input back.
check="round trips checked"
for flag in "" --sealed; do
    rm -f "$output"
    "$cli" encrypt-file $flag --password-file "$work/pw" "$input" "$output"
    "$cli" decrypt-file --password-file "$work/pw" "$output" "$output"
    cmp -s "$input" "$output" || check="ROUND TRIP FAILED${flag:+ ($flag)}"
done

stats() { # file -> "median best peak_kib"
    sort -n "$1" | awk '{t[NR] = $1; if ($2 > m) m = $2}
        END {med = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2;
             print med, t[1], m}'
}

verdict=0
echo
echo "File: $size_mib MiB, $rounds rounds, $(uname -r), $(nproc) cores; $check"
for scenario in new replace; do
    echo
    if [ "$scenario" = new ]; then
        echo "Writing a new file:"
        shown=("${tools[@]}")
    else
        echo "Replacing an existing file (cp, openssl and age followed by sync FILE):"
        shown=("${replacing[@]}")
    fi
    read -r cp_med cp_best _ <<<"$(stats "$work/$scenario-cp.txt")"
    printf '  %-8s %9s %9s %11s %11s %10s %10s %9s\n' tool "median s" "best s" "MiB/s med" \
        "MiB/s best" "vs cp med" "vs cp best" "peak MiB"
    for tool in "${shown[@]}"; do
        read -r med best kib <<<"$(stats "$work/$scenario-$tool.txt")"
        awk -v t="$tool" -v med="$med" -v best="$best" -v kib="$kib" -v size="$size_mib" \
            -v cpmed="$cp_med" -v cpbest="$cp_best" 'BEGIN {
                printf "  %-8s %9.3f %9.3f %11.0f %11.0f %10.2f %10.2f %9.1f\n",
                    t, med, best, size / med, size / best, cpmed / med, cpbest / best, kib / 1024 }'
    done
    for tool in "${shown[@]}"; do
        printf '  %-8s runs: %s\n' "$tool" "$(awk '{printf "%.3f ", $1}' "$work/$scenario-$tool.txt")"
    done
    [ "$scenario" = new ] || continue
    read -r _ our_best our_kib <<<"$(stats "$work/$scenario-classic.txt")"
    read -r _ ssl_best _ <<<"$(stats "$work/$scenario-openssl.txt")"
    if awk -v o="$our_best" -v c="$cp_best" -v s="$ssl_best" -v k="$our_kib" \
        'BEGIN {exit !(c / o >= 0.9 && o < s && k < 32 * 1024)}'; then
        echo "  classic: targets met (best of $rounds): at least 0.9 of cp, faster than openssl, under 32 MiB"
    else
        echo "  classic: TARGETS MISSED (best of $rounds: at least 0.9 of cp, faster than openssl, under 32 MiB)"
        verdict=1
    fi
    read -r _ seal_best seal_kib <<<"$(stats "$work/$scenario-sealed.txt")"
    read -r _ open_best open_kib <<<"$(stats "$work/$scenario-sealed-d.txt")"
    read -r _ age_best _ <<<"$(stats "$work/$scenario-age.txt")"
    read -r _ aged_best _ <<<"$(stats "$work/$scenario-age-d.txt")"
    read -r seal_med _ _ <<<"$(stats "$work/$scenario-sealed.txt")"
    read -r open_med _ _ <<<"$(stats "$work/$scenario-sealed-d.txt")"
    read -r age_med _ _ <<<"$(stats "$work/$scenario-age.txt")"
    read -r aged_med _ _ <<<"$(stats "$work/$scenario-age-d.txt")"
    awk -v s="$seal_best" -v o="$open_best" -v a="$age_best" -v d="$aged_best" \
        -v sm="$seal_med" -v om="$open_med" -v am="$age_med" -v dm="$aged_med" \
        'BEGIN {printf "  sealed against age: encrypting %.2f times as fast (median %.2f), decrypting %.2f times (median %.2f)\n",
                a / s, am / sm, d / o, dm / om}'
    if awk -v s="$seal_best" -v o="$open_best" -v a="$age_best" -v d="$aged_best" \
        -v k1="$seal_kib" -v k2="$open_kib" \
        'BEGIN {exit !(a / s >= 1.4 && d / o >= 1.4 && k1 <= 96 * 1024 && k2 <= 96 * 1024)}'; then
        echo "  sealed: targets met (best of $rounds): at least 1.4 times as fast as age both ways, at most 96 MiB"
    else
        echo "  sealed: TARGETS MISSED (best of $rounds: at least 1.4 times as fast as age both ways, at most 96 MiB)"
        verdict=1
    fi
done
[ "$check" = "round trips checked" ] || verdict=1
exit $verdict

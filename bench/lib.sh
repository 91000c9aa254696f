# The common start of the on-screen benchmarks: the end-to-end tests' helpers for the program
# under test (its own Xvfb, a scratch folder $WORK, the configuration folder) and the
# framepace probe built into $WORK. framepace comes from FRAMEPACE_DIR, else from the shared
# tools folder beside the repository.
# Usage: source bench/lib.sh PROGRAM
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
fp=${FRAMEPACE_DIR:-$root/../shared/tools/framepace}
[ -f "$fp/framepace.c" ] || fp=/work/shared/tools/framepace
source "$root/tests/e2e/lib.sh" "$1"
set +e
cc -O2 -Wall -o "$WORK/framepace" "$fp/framepace.c" -lX11 -lXext -lXdamage -lXfixes -lm ||
    fail "framepace did not build (set FRAMEPACE_DIR to its folder)"

# The main window's title, to find it.
TITLE="ZAL LectoScope-32 PRO 01.24A"
# The value framepace gives for KEY, from its output on standard input.
key() { awk -v k="$1:" '$1 == k { print $2 }'; }
# The median of the numbers on standard input (the mean of the middle two of an even count).
median() { sort -g | awk '{ a[NR] = $1 } END { if (NR) print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }
# The Delay that scrolls SPEED pixel rows a second: a row waits (Delay^2 + Delay) x 25 ns.
delay_for_speed() {
    awk -v s="$1" 'BEGIN { u = 1e9 / (25 * s); printf "%d", (sqrt(1 + 4 * u) - 1) / 2 + 0.5 }'
}

# compare_plays WHAT DELAY SECONDS: the play with WHAT and without it, REPEAT times each,
# interleaved. The script defines play DELAY SECONDS ON(0/1), which leaves framepace's output
# for the text in $WORK/text.txt and for WHAT in $WORK/other.txt (empty where WHAT is not
# watched). Prints each play and then the medians and the ratio of the speed CVs; runs[ON.KEY]
# and m ON.KEY keep them for more.
declare -A runs
m() { tr ' ' '\n' <<<"${runs[$1]}" | grep . | median; }
compare_plays() {
    local what=$1 delay=$2 seconds=$3 r on k other
    for r in $(seq 1 "${REPEAT:-3}"); do
        for on in 1 0; do
            play "$delay" "$seconds" "$on"
            for k in speed_px_s updates_per_s speed_cv stalls; do
                runs[$on.$k]+="$(key "$k" <"$WORK/text.txt") "
            done
            other=$(key updates_per_s <"$WORK/other.txt")
            runs[$on.fps]+="$other "
            echo "run $r, $what $on: text $(key speed_px_s <"$WORK/text.txt") px/s cv" \
                "$(key speed_cv <"$WORK/text.txt")${other:+, $what $other /s}"
        done
    done
    local row='%-16s %-6s %-8s %-10s %-7s %-7s %s\n'
    printf "$row" play delay px/s updates/s cv stalls "$what/s"
    printf "$row" "without $what" "$delay" "$(m 0.speed_px_s)" "$(m 0.updates_per_s)" \
        "$(m 0.speed_cv)" "$(m 0.stalls)" -
    printf "$row" "with $what" "$delay" "$(m 1.speed_px_s)" "$(m 1.updates_per_s)" \
        "$(m 1.speed_cv)" "$(m 1.stalls)" "$(m 1.fps | grep . || echo -)"
    awk -v a="$(m 1.speed_cv)" -v b="$(m 0.speed_cv)" \
        'BEGIN { if (b > 0) printf "cv ratio (with / without): %.2f\n", a / b }'
}

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

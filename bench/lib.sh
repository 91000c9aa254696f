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

# Runs one fuzzer for SECONDS seconds on a fresh copy of its seed corpus.
# Variables: FUZZER (the executable), CORPUS (seed folder), WORK (scratch folder in the build
# tree), SECONDS, OPTIONS (further libFuzzer options, a list).
file(REMOVE_RECURSE ${WORK}/corpus)
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
file(GLOB seeds ${CORPUS}/*)
file(COPY ${seeds} DESTINATION ${WORK}/corpus)

execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048
            -print_final_stats=1 -artifact_prefix=${WORK}/artifacts/ ${OPTIONS} ${WORK}/corpus
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); the failing input is in ${WORK}/artifacts")
endif()
file(REMOVE_RECURSE ${WORK}/corpus)

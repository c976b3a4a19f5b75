# One short, reproducible fuzzing session for CTest: a fresh copy of the
# committed seeds in the build tree (the fuzzer adds what it finds there, not
# to the sources), a fixed seed and a few seconds.
# FUZZ_TIMEOUT in the environment (seconds, default 10) is how long one input
# may take before it counts as a hang, as for the long runs.
#   cmake -DFUZZER=<binary> -DCORPUS=<seed dir> -DWORK=<build dir> -P smoke.cmake
if(DEFINED ENV{FUZZ_TIMEOUT} AND NOT "$ENV{FUZZ_TIMEOUT}" STREQUAL "")
    set(timeout $ENV{FUZZ_TIMEOUT})
else()
    set(timeout 10)
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
file(COPY ${CORPUS}/ DESTINATION ${WORK}/corpus)
execute_process(
    COMMAND ${FUZZER} -seed=1 -max_total_time=4 -timeout=${timeout} -artifact_prefix=${WORK}/artifacts/
            ${WORK}/corpus
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); the input is in ${WORK}/artifacts")
endif()
